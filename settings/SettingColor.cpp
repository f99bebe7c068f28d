#include "settings/SettingColor.h"

namespace tolvekin {

QColor ColorFromSetting(int32_t value, const QPalette& palette) {
    const uint32_t v = static_cast<uint32_t>(value);
    if ((v & 0x80000000u) != 0) {
        switch (v & 0xFFu) {
        case 5:
            return palette.color(QPalette::Window);
        case 16:
            return palette.color(QPalette::Dark);
        case 20:
            return palette.color(QPalette::Light);
        default:
            return palette.color(QPalette::Button); // 15, the face of buttons
        }
    }
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}

} // namespace tolvekin
