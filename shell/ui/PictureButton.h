#pragma once

#include <QToolButton>

namespace vantix::shell {

// The toolbar's picture buttons. Style 1 is the flat Windows 95 look (a framed
// button at rest), style 3 the active look (the frame appears under the mouse).
class PictureButton : public QToolButton {
    Q_OBJECT
public:
    enum class Glyph { ShowDeactivated, Sort, AlignLeft, AlignTop, LargeIcons, SmallIcons, List, Expand, Collapse, Help };

    PictureButton(Glyph glyph, const QString& toolTip, QWidget* parent = nullptr);
    void setButtonStyle(int style);
    int buttonStyle() const { return style_; }

private:
    int style_ = 1;
};

}  // namespace vantix::shell
