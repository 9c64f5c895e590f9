#include "shell/ui/IconFileDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

#include "platform/log/Log.h"
#include "platform/machine/Machine.h"
#include "platform/peimage/FileIcons.h"
#include "shell/ui/Dialogs.h"

namespace vantix::shell {
namespace {

std::filesystem::path hostPathOf(const QString& file) {
    const std::string path = file.toStdString();
    try {
        if (auto host = platform::currentMachine().hostPath(path)) return *host;
    } catch (const std::exception& error) {
        log::debug("shell.dialogs", std::string("no machine image for icon lookup: ") + error.what());
    }
    return path;
}

QImage toQImage(const platform::RgbaImage& image) {
    QImage result(image.width, image.height, QImage::Format_ARGB32);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) result.setPixel(x, y, image.at(x, y));
    return result;
}

}  // namespace

IconFileDialog::IconFileDialog(const QString& currentFile, QWidget* parent)
    : QDialog(parent), file_(new QLineEdit(this)), icons_(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Select Icon"));
    auto* browse = new QPushButton(QStringLiteral("&Browse..."), this);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(new QLabel(QStringLiteral("File:"), this));
    fileRow->addWidget(file_, 1);
    fileRow->addWidget(browse);
    icons_->setViewMode(QListView::IconMode);
    icons_->setIconSize(QSize(32, 32));
    icons_->setFlow(QListView::LeftToRight);
    icons_->setWrapping(true);
    icons_->setMinimumSize(360, 160);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addWidget(icons_);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(icons_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(file_, &QLineEdit::editingFinished, this, [this] { showIconsOf(file_->text()); });
    connect(browse, &QPushButton::clicked, this, [this] {
        QString chosen = Dialogs::chooseFile(this, file_->text(), QStringLiteral("Select File"));
        if (chosen.isEmpty()) return;
        file_->setText(chosen);
        showIconsOf(chosen);
    });

    // A current choice "file,index" opens on that file and icon.
    QString file = currentFile;
    int index = 0;
    if (int comma = file.lastIndexOf(QLatin1Char(',')); comma > 1) {
        bool ok = false;
        int number = file.mid(comma + 1).trimmed().toInt(&ok);
        if (ok) {
            index = number;
            file = file.left(comma);
        }
    }
    file_->setText(file);
    if (!file.isEmpty() && showIconsOf(file) && index >= 0 && index < icons_->count()) icons_->setCurrentRow(index);
}

bool IconFileDialog::showIconsOf(const QString& file) {
    icons_->clear();
    try {
        auto icons = platform::FileIcons::fromFile(hostPathOf(file));
        for (int i = 0; i < icons.count(); ++i) {
            QIcon icon;
            try {
                icon = QIcon(QPixmap::fromImage(toQImage(icons.extract(i))));
            } catch (const std::exception& error) {
                log::debug("shell.dialogs", std::string("icon not drawable: ") + error.what());
            }
            icons_->addItem(new QListWidgetItem(icon, QString::number(i)));
        }
    } catch (const std::exception& error) {
        log::debug("shell.dialogs", std::string("no icons: ") + error.what());
    }
    if (icons_->count() > 0) icons_->setCurrentRow(0);
    return icons_->count() > 0;
}

int IconFileDialog::iconCount() const { return icons_->count(); }

QString IconFileDialog::choice() const {
    // The chosen file: its callers store it as the icon file and draw its first icon.
    return file_->text().trimmed();
}

}  // namespace vantix::shell
