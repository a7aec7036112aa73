#include "gui/colours.h"

namespace colours {

QPalette fixedPalette() {
    struct Role {
        QPalette::ColorRole role;
        QColor normal;   // active and inactive
        QColor disabled; // a disabled control
    };
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor highlight(48, 140, 198);
    const Role roles[] = {
        {QPalette::Window, kFace, kFace},
        {QPalette::WindowText, black, kOffGrey},
        {QPalette::Base, white, QColor(239, 239, 239)},
        {QPalette::AlternateBase, QColor(247, 247, 247), QColor(247, 247, 247)},
        {QPalette::Text, black, kOffGrey},
        {QPalette::Button, kFace, kFace},
        {QPalette::ButtonText, black, kOffGrey},
        {QPalette::BrightText, white, white},
        {QPalette::Highlight, highlight, QColor(145, 145, 145)},
        {QPalette::HighlightedText, white, white},
        {QPalette::ToolTipBase, QColor(255, 255, 220), QColor(255, 255, 220)},
        {QPalette::ToolTipText, black, black},
        {QPalette::PlaceholderText, QColor(0, 0, 0, 128), QColor(0, 0, 0, 128)},
        {QPalette::Link, QColor(0, 0, 255), QColor(0, 0, 255)},
        {QPalette::LinkVisited, QColor(255, 0, 255), QColor(255, 0, 255)},
        {QPalette::Light, white, white},
        {QPalette::Midlight, QColor(202, 202, 202), QColor(202, 202, 202)},
        {QPalette::Mid, QColor(184, 184, 184), QColor(184, 184, 184)},
        {QPalette::Dark, QColor(159, 159, 159), kOffGrey},
        {QPalette::Shadow, QColor(118, 118, 118), QColor(177, 177, 177)},
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        {QPalette::Accent, highlight, QColor(145, 145, 145)},
#endif
    };
    QPalette palette;
    for (const Role& r : roles) {
        palette.setColor(QPalette::Active, r.role, r.normal);
        palette.setColor(QPalette::Inactive, r.role, r.normal);
        palette.setColor(QPalette::Disabled, r.role, r.disabled);
    }
    return palette;
}

} // namespace colours
