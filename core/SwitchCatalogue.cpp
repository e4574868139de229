#include "SwitchCatalogue.h"

namespace torvane {

const std::array<SwitchEntry, 24>& SwitchCatalogue::entries() {
    // Labels are GBK bytes.
    static constexpr std::array<SwitchEntry, 24> kEntries{{
        {"WI-FI", "WiFi"},
        {"\xCA\xFD\xBE\xDD", "Data"},                          // 数据
        {"3G", "3G"},
        {"4G", "4G"},
        {"LTE", "LTE"},
        {"\xC7\xE5\xC0\xED\xBA\xF3\xCC\xA8", "KillBackground"},  // 清理后台
        {"\xD6\xF7\xC6\xC1\xC4\xBB", "HomeButton"},              // 主屏幕
        {"\xB7\xC9\xD0\xD0\xC4\xA3\xCA\xBD", "Airplane"},        // 飞行模式
        {"\xB6\xA8\xCE\xBB", "Location"},                        // 定位
        {"\xCE\xF0\xC8\xC5\xC4\xA3\xCA\xBD", "DND"},             // 勿扰模式
        {"\xCA\xD6\xB5\xE7\xCD\xB2", "Flashlight"},              // 手电筒
        {"\xCB\xF8\xC6\xC1", "SleepButton"},                     // 锁屏
        {"\xD0\xFD\xD7\xAA", "Rotation"},                        // 旋转
        {"\xC1\xC1\xB6\xC8", "Backlight"},                       // 亮度
        {"\xD7\xD4\xB6\xAF\xCB\xF8\xB6\xA8", "AutoLock"},        // 自动锁定
        {"\xC9\xF9\xD2\xF4", "Mute"},                            // 声音
        {"\xBD\xC7\xB1\xEA\xC7\xE5\xB3\xFD", "ClearBadge"},      // 角标清除
        {"VPN", "VPN"},
        {"\xB8\xF6\xC8\xCB\xC8\xC8\xB5\xE3", "Hotspot"},         // 个人热点
        {"\xD7\xA2\xCF\xFA", "Respring"},                        // 注销
        {"\xD6\xD8\xC6\xF4", "Reboot"},                          // 重启
        {"\xB9\xD8\xBB\xFA", "Shutdown"},                        // 关机
        {"\xC0\xB6\xD1\xC0", "Bluetooth"},                       // 蓝牙
        {"\xCD\xBC\xB1\xEA\xD0\xDE\xB8\xB4", "Uicache"},         // 图标修复
    }};
    return kEntries;
}

std::vector<Text> SwitchCatalogue::initialLabels() {
    std::vector<Text> labels;
    labels.reserve(size());
    for (const SwitchEntry& entry : entries()) labels.emplace_back(entry.label);
    return labels;
}

std::optional<std::string_view> SwitchCatalogue::identifierFor(std::string_view label) {
    if (label.empty()) return std::nullopt;
    for (const SwitchEntry& entry : entries()) {
        if (entry.label == label) return entry.identifier;
    }
    return std::nullopt;
}

}  // namespace torvane
