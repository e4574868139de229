#include <windows.h>
#include <commctrl.h>

#include <cfloat>

#include "MainWindow.h"
#include "ProgramFolder.h"
#include "Win32OutputPlatform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    using namespace torvane;
    std::optional<Text> programDirectory = platform::establishProgramDirectory();
    // Floating-point unit in its default state: exceptions masked, round to
    // nearest, 64-bit significand.
    _fpreset();

    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    platform::Win32OutputPlatform output(std::move(programDirectory));
    ui::MainWindow window(output);
    if (!window.create(instance)) {
        return 1;
    }
    window.show(showCommand);
    return ui::runMessageLoop(window);
}
