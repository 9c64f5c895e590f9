#include "modules/drevion/ui/Form2.h"

#include <QCheckBox>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace vantix::drevion::ui {

Form2::Form2(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Information"));
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    auto* heading = new QLabel(QStringLiteral("Important !!!"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto* text = new QLabel(
        QStringLiteral("You must restart Windows for your changes to take effect!"), this);
    box_ = new QCheckBox(QStringLiteral("Do not display information"), this);
    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    ok_->setDefault(true);
    auto* texts = new QVBoxLayout;
    texts->addWidget(heading);
    texts->addWidget(text);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(texts);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(box_);
    bottom->addStretch();
    bottom->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

bool Form2::doNotDisplay() const {
    return box_->isChecked();
}

}  // namespace vantix::drevion::ui
