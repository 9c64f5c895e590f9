#include "tweaks/ui/Form5.h"

#include <QCheckBox>
#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabBar>
#include <QTextEdit>
#include <QVBoxLayout>

#include "catalogue/Prompter.h"

namespace vantix::tweaks::ui {

namespace {

constexpr int kTabInformation = 0;
constexpr int kTabRemarks = 1;
constexpr int kTabSetting = 2;
const QColor kOptionHover(64, 0, 0);
const QColor kOptionNormal(0, 0, 64);

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// The catalogue separates lines with a carriage return alone.
QString plain(const std::string& text) {
    QString result = qs(text);
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

void setTextColor(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

}  // namespace

Form5::Form5(HiddenContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("Form5"));
    setModal(true);
    buildControls();
}

Form5::~Form5() = default;

void Form5::buildControls() {
    auto* layout = new QVBoxLayout(this);
    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("Caption"));
    QFont big = caption_->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    caption_->setFont(big);
    layout->addWidget(caption_);

    tabStrip2_ = new QTabBar(this);
    tabStrip2_->setObjectName(QStringLiteral("TabStrip2"));
    for (const auto& [caption, key] :
         {std::pair{"Information", "INF"}, {"Remarks", "ZUS"}, {"Setting", "SET"}})
        tabStrip2_->setTabData(tabStrip2_->addTab(QString::fromLatin1(caption)),
                               QString::fromLatin1(key));
    layout->addWidget(tabStrip2_);

    sonstiges_ = new QTextEdit(this);
    sonstiges_->setObjectName(QStringLiteral("Sonstiges"));
    sonstiges_->setReadOnly(true);
    layout->addWidget(sonstiges_, 1);

    back_ = new QWidget(this);
    back_->setObjectName(QStringLiteral("BACK"));
    auto* backLayout = new QVBoxLayout(back_);
    backLayout->setContentsMargins(0, 0, 0, 0);

    optionPanel_ = new QWidget(back_);
    optionPanel_->setObjectName(QStringLiteral("OptionPanel"));
    auto* optionLayout = new QVBoxLayout(optionPanel_);
    for (int i = 0; i < 2; ++i) {
        xOption_[i] = new QRadioButton(optionPanel_);
        xOption_[i]->setObjectName(QStringLiteral("XOption_%1").arg(i));
        setTextColor(xOption_[i], kOptionNormal);
        xOption_[i]->installEventFilter(this);
        optionLayout->addWidget(xOption_[i]);
        connect(xOption_[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (!checked) return;
            page_->clickOption(i);
            focusSink();
            refresh();
        });
    }

    sliderPanel_ = new QWidget(back_);
    sliderPanel_->setObjectName(QStringLiteral("SliderPanel"));
    auto* sliderLayout = new QGridLayout(sliderPanel_);
    slider1_ = new QSlider(Qt::Horizontal, sliderPanel_);
    slider1_->setObjectName(QStringLiteral("Slider1"));
    slider1_->setTickPosition(QSlider::TicksBelow);
    text2_ = new QLineEdit(sliderPanel_);
    text2_->setObjectName(QStringLiteral("Text2"));
    text2_->setMaximumWidth(90);
    text2_->installEventFilter(this);
    for (int i = 0; i < 2; ++i) {
        sliderLabels_[i] = new QLabel(sliderPanel_);
        sliderLabels_[i]->setObjectName(QStringLiteral("SliderLabel_%1").arg(i));
    }
    sliderLabels_[1]->setAlignment(Qt::AlignRight);
    sliderLayout->addWidget(slider1_, 0, 0, 1, 2);
    sliderLayout->addWidget(text2_, 0, 2);
    sliderLayout->addWidget(sliderLabels_[0], 1, 0);
    sliderLayout->addWidget(sliderLabels_[1], 1, 1);
    connect(slider1_, &QSlider::valueChanged, this, [this](int position) {
        page_->moveSlider(position);
        refresh();
    });
    connect(text2_, &QLineEdit::textEdited, this,
            [this](const QString& text) { page_->typeNumber(text.toStdString()); });

    textPanel_ = new QWidget(back_);
    textPanel_->setObjectName(QStringLiteral("TextPanel"));
    auto* textLayout = new QGridLayout(textPanel_);
    textCaption_ = new QLabel(textPanel_);
    textCaption_->setObjectName(QStringLiteral("TextCaption"));
    textCaption_->setWordWrap(true);
    text1_ = new QLineEdit(textPanel_);
    text1_->setObjectName(QStringLiteral("Text1"));
    textLayout->addWidget(textCaption_, 0, 0, 1, 3);
    textLayout->addWidget(text1_, 1, 0);
    for (int i = 0; i < 2; ++i) {
        ssCommand1_[i] = new QPushButton(
            i == 0 ? QStringLiteral("File...") : QStringLiteral("Folder..."), textPanel_);
        ssCommand1_[i]->setObjectName(QStringLiteral("SSCommand1_%1").arg(i));
        ssCommand1_[i]->setAutoDefault(false);
        textLayout->addWidget(ssCommand1_[i], 1, 1 + i);
        connect(ssCommand1_[i], &QPushButton::clicked, this, [this, i] { browse(i); });
    }
    connect(text1_, &QLineEdit::textChanged, this, [this](const QString& text) {
        page_->changeText(text.toStdString());
        refresh();
    });

    standard_ = new QPushButton(QStringLiteral("Default"), back_);
    standard_->setObjectName(QStringLiteral("Standard"));
    standard_->setAutoDefault(false);
    standard_->installEventFilter(this);
    connect(standard_, &QPushButton::clicked, this, [this] {
        page_->pressDefault();
        refresh();
    });
    undo_ = new QPushButton(QStringLiteral("Undo last change"), back_);
    undo_->setObjectName(QStringLiteral("UndoLastChange"));
    undo_->setAutoDefault(false);
    connect(undo_, &QPushButton::clicked, this, &Form5::askUndo);
    auto* defaults = new QHBoxLayout;
    defaults->addWidget(standard_);
    defaults->addWidget(undo_);
    defaults->addStretch(1);

    auto* changesBox = new QGroupBox(QStringLiteral("Changes"), back_);
    auto* changesLayout = new QVBoxLayout(changesBox);
    changes_ = new QListWidget(changesBox);
    changes_->setObjectName(QStringLiteral("Changes"));
    changes_->setWordWrap(true);
    changes_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    changesLayout->addWidget(changes_);

    backLayout->addWidget(optionPanel_);
    backLayout->addWidget(sliderPanel_);
    backLayout->addWidget(textPanel_);
    backLayout->addLayout(defaults);
    backLayout->addWidget(changesBox, 1);
    layout->addWidget(back_, 1);

    check1_ = new QCheckBox(QStringLiteral("Restart when the page closes"), this);
    check1_->setObjectName(QStringLiteral("Check1"));
    connect(check1_, &QCheckBox::toggled, this, [this](bool ticked) {
        page_->tickRestart(ticked);
        focusSink();
    });
    tabStrip3_ = new QWidget(this);
    tabStrip3_->setObjectName(QStringLiteral("TabStrip3"));
    tabStrip3_->setFocusPolicy(Qt::StrongFocus);
    tabStrip3_->setFixedSize(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(check1_);
    buttons->addWidget(tabStrip3_);
    buttons->addStretch(1);
    const char* captions[] = {"Cancel", "OK", "Apply"};
    for (int i : {1, 0, 2}) {
        command1_[i] = new QPushButton(QString::fromLatin1(captions[i]), this);
        command1_[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
        command1_[i]->setAutoDefault(false);
        buttons->addWidget(command1_[i]);
    }
    command1_[1]->setDefault(true);
    layout->addLayout(buttons);

    connect(command1_[0], &QPushButton::clicked, this, &QDialog::reject);
    connect(command1_[1], &QPushButton::clicked, this, [this] {
        page_->ok();
        reportApply();
        accept();
    });
    connect(command1_[2], &QPushButton::clicked, this, [this] {
        page_->apply();
        reportApply();
        refresh();
    });
    // The panel follows the selected tab, which a press on a tab does not
    // always change (the second press of a double-click).
    connect(tabStrip2_, &QTabBar::currentChanged, this, [this](int index) { selectTab(index); });
    connect(tabStrip2_, &QTabBar::tabBarClicked, this, [this](int) { focusSink(); });
    resize(620, 460);
}

void Form5::load(std::int64_t itemId, const QString& caption, const QString& helpText) {
    TweakSession* session = context_.session ? context_.session() : nullptr;
    if (!session)
        throw TweakError("The hidden functions are not available without a machine image.");
    page_ = std::make_unique<PropertyPage>(*session);
    page_->load(itemId, caption.toStdString(), helpText.toStdString());
    setWindowTitle(caption);
    caption_->setText(caption);
    // Loading: the current tab's panel, Apply disabled, the restart box hidden.
    tabStrip2_->setCurrentIndex(kTabSetting);
    selectTab(kTabSetting);
    SetupPropertyPage();
    refresh();
}

void Form5::SetupPropertyPage() {
    optionPanel_->setVisible(page_->PageMode == 1);
    sliderPanel_->setVisible(page_->PageMode == 2);
    textPanel_->setVisible(page_->PageMode == 3);
    const QString a = plain(page_->captionA);
    const QString b = plain(page_->captionB);
    switch (page_->PageMode) {
        case 1:
            xOption_[0]->setText(a);
            xOption_[1]->setText(b);
            break;
        case 2: {
            const SliderState& s = page_->state().slider;
            const QSignalBlocker block(slider1_);
            slider1_->setRange(s.minimum, s.maximum);
            slider1_->setTickInterval(static_cast<int>(s.tickSpacing));
            slider1_->setPageStep(static_cast<int>(s.largeStep));
            slider1_->setSingleStep(static_cast<int>(s.smallStep));
            sliderLabels_[0]->setText(a);
            sliderLabels_[1]->setText(b);
            break;
        }
        case 3:
            textCaption_->setText(a);
            break;
        default:
            break;
    }
}

void Form5::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    page_->setVisible(true);
}

void Form5::selectTab(int index) {
    const bool setting = index == kTabSetting;
    back_->setVisible(setting);
    sonstiges_->setVisible(!setting);
    if (index == kTabInformation) sonstiges_->setPlainText(plain(page_->HelpText));
    if (index == kTabRemarks) sonstiges_->setPlainText(plain(page_->NotesText));
}

void Form5::focusSink() {
    if (isVisible()) tabStrip3_->setFocus();
}

void Form5::refresh() {
    const PageState& state = page_->state();
    if (page_->PageMode == 1) {
        for (int i = 0; i < 2; ++i) {
            const QSignalBlocker block(xOption_[i]);
            xOption_[i]->setAutoExclusive(false);
            xOption_[i]->setChecked(state.selectedOption == i + 1);
            xOption_[i]->setAutoExclusive(true);
        }
    } else if (page_->PageMode == 2) {
        const QSignalBlocker block(slider1_);
        slider1_->setValue(static_cast<int>(state.slider.position));
        if (!text2_->hasFocus()) text2_->setText(qs(state.slider.numberBox));
    } else if (page_->PageMode == 3 && text1_->text().toStdString() != state.text) {
        const QSignalBlocker block(text1_);
        text1_->setText(qs(state.text));
    }
    command1_[2]->setEnabled(page_->applyEnabled());
    check1_->setVisible(page_->restartBoxVisible());
    undo_->setVisible(page_->undoAvailable());
    changes_->clear();
    for (const auto& line : page_->changes()) {
        // Registry paths have no blanks: let them break after a backslash.
        QString shown = qs(line);
        shown.replace(QLatin1Char('\\'), QStringLiteral("\\\u200B"));
        changes_->addItem(shown);
    }
}

void Form5::reportApply() {
    if (!page_->applyProblem().empty() && context_.prompter)
        context_.prompter->message(catalogue::MessageIcon::Exclamation, "Error!",
                                   "The change was not written:\r" + page_->applyProblem());
}

void Form5::browse(int index) {
    if (isVisible()) text1_->setFocus();
    if (!context_.choosers) return;
    if (index == 0) {
        const QString path =
            context_.choosers->chooseFile(this, QStringLiteral("Dateiauswahl"), text1_->text());
        if (!path.isEmpty() && context_.fileExists(path.toStdString())) text1_->setText(path);
    } else {
        const QString path = context_.choosers->chooseFolder(this);
        if (!path.isEmpty()) text1_->setText(path);
    }
}

void Form5::askUndo() {
    if (context_.prompter &&
        !context_.prompter->askYesNo(
            "Undo last change", "Undo the last change Vantix made to '" + page_->caption + "'?"))
        return;
    try {
        auto outcome = page_->undo();
        // Something changed what the apply left: say what, and overwrite it
        // only when the user agrees.
        if (!outcome.undone && !outcome.differences.empty() && context_.prompter) {
            std::string text = "Changed since Vantix applied it:";
            for (const auto& d : outcome.differences)
                text += "\r" + d.what + ": now " + d.now + ", undo writes " + d.undoWrites;
            text += "\r\rUndo anyway?";
            if (context_.prompter->askYesNo("Undo last change", text))
                outcome = page_->undo(UndoMode::Force);
        }
        if (!outcome.problems.empty() && context_.prompter) {
            std::string text = "The change could not be undone completely:";
            for (const auto& problem : outcome.problems) text += "\r" + problem;
            context_.prompter->message(catalogue::MessageIcon::Exclamation, "Error!", text);
        }
    } catch (const TweakError& error) {
        if (context_.prompter)
            context_.prompter->message(catalogue::MessageIcon::Exclamation, "Error!", error.what());
    }
    refresh();
}

bool Form5::eventFilter(QObject* watched, QEvent* event) {
    if (!page_) return QDialog::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (watched == text2_) {
        if (type == QEvent::FocusIn) {
            // Enter in the number box must not close the page.
            command1_[1]->setDefault(false);
        } else if (type == QEvent::FocusOut) {
            page_->typeNumber(text2_->text().toStdString());
            page_->leaveNumberBox();
            text2_->setText(qs(page_->state().slider.numberBox));
            refresh();
            command1_[1]->setDefault(true);
        } else if (type == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                slider1_->setFocus();
                return true;
            }
        }
    } else if (watched == standard_ && (type == QEvent::Enter || type == QEvent::Leave)) {
        QFont font = standard_->font();
        font.setBold(type == QEvent::Enter);
        standard_->setFont(font);
    } else if ((watched == xOption_[0] || watched == xOption_[1]) &&
               (type == QEvent::Enter || type == QEvent::Leave)) {
        auto* option = static_cast<QWidget*>(watched);
        const bool over = type == QEvent::Enter;
        setTextColor(option, over ? kOptionHover : kOptionNormal);
        // The raised text of the hovered option: a light shadow below right.
        if (over) {
            auto* raised = new QGraphicsDropShadowEffect(option);
            raised->setBlurRadius(0);
            raised->setOffset(1, 1);
            raised->setColor(Qt::white);
            option->setGraphicsEffect(raised);
            context_.playSound(QString::fromLatin1(kSoundOverLine));
        } else {
            option->setGraphicsEffect(nullptr);
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace vantix::tweaks::ui
