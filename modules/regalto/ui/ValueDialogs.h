#pragma once

#include <QDialog>
#include <QString>

#include "modules/regalto/DwordEditor.h"
#include "modules/regalto/Prompter.h"

class QLineEdit;
class QRadioButton;
class QTabBar;

// The editor's small modal dialogs. Each hands back the result the main
// window expects; the rules behind them live in the core.
namespace vantix::regalto::ui {

// "Insert new key": the name, "" when cancelled or when it holds a backslash.
class KeyNameDialog : public QDialog {
    Q_OBJECT
public:
    explicit KeyNameDialog(QWidget* parent = nullptr);
    QLineEdit* nameEdit() const { return name_; }
    std::string result() const;

private:
    QLineEdit* name_;
};

// "Insert new value": name and kind.
class NewValueDialog : public QDialog {
    Q_OBJECT
public:
    explicit NewValueDialog(QWidget* parent = nullptr);
    QLineEdit* nameEdit() const { return name_; }
    void setKind(NewValueKind kind);
    NewValueRequest request() const;

private:
    QLineEdit* name_;
    QRadioButton* string_;
    QRadioButton* binary_;
    QRadioButton* dword_;
};

// The DWORD editor with its decimal ("DEZ") and hexadecimal ("HEX") tabs.
class DwordDialog : public QDialog {
    Q_OBJECT
public:
    DwordDialog(const QString& valueName, const std::string& decimal, QWidget* parent = nullptr);
    QLineEdit* valueEdit() const { return value_; }
    QTabBar* tabs() const { return tabs_; }
    // The decimal text of the number, "" when cancelled.
    std::string result() const;

private:
    void onEdited(const QString& text);
    void onTab(int index);
    DwordEditor editor_;
    QTabBar* tabs_;
    QLineEdit* value_;
};

// The string and binary editor: "Edit string" or "Edit binary value".
class TextValueDialog : public QDialog {
    Q_OBJECT
public:
    TextValueDialog(const QString& caption, const QString& valueName, const QString& text,
                    QWidget* parent = nullptr);
    QLineEdit* valueEdit() const { return value_; }
    // The text, "ABBRUCH" when cancelled.
    std::string result() const;

private:
    QLineEdit* value_;
};

}  // namespace vantix::regalto::ui
