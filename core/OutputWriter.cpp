#include "OutputWriter.h"

namespace torvane {

Text OutputWriter::documentPath(std::string_view fileName) const {
    // Without a known program folder the path stays empty, which refuses the
    // write rather than guessing another place.
    const std::optional<Text> directory = platform_.programDirectory();
    if (!directory) return {};
    Text path = *directory;
    path.push_back('\\');
    path.append(fileName);
    return path;
}

bool OutputWriter::writeDocuments(const DocumentSet& documents) const {
    bool success = true;
    for (const Document& document : documents) {
        if (!writeDocument(documentPath(document.fileName), document.text)) {
            success = false;
            break;
        }
    }
    reportOutcome(success);
    return success;
}

bool OutputWriter::writeDocument(const Text& path, std::string_view bytes) const {
    if (path.empty()) return false;
    const std::optional<OutputPlatform::FileToken> file = platform_.openForReplace(path);
    if (!file) return false;
    const bool written = bytes.empty() || platform_.writeAll(*file, bytes);
    // Close every file that was opened; a failed close only counts after a
    // successful write, which already decided the outcome otherwise.
    const bool closed = platform_.close(*file);
    return written && closed;
}

void OutputWriter::reportOutcome(bool success) const {
    platform_.showMessage(Text(kOutcomeTitle), Text(success ? kSuccessMessage : kFailureMessage));
}

}  // namespace torvane
