#pragma once

#include <QApplication>
#include <QStringList>
#include <QTextEdit>
#include <deque>
#include <memory>

#include "../ImageFixture.h"
#include "catalogue/Prompter.h"
#include "catalogue/SettingsStoreAccess.h"
#include "lindrel32/QVREG.h"
#include "lindrel32/SettingsStore.h"
#include "tweaks/ui/Form5.h"
#include "tweaks/ui/HiddenTreeView.h"

// Prompts answered in advance, as the shell's dialog wrapper does in tests;
// every message is kept.
struct QueuedPrompter : vantix::catalogue::Prompter {
    void message(vantix::catalogue::MessageIcon, const std::string& title,
                 const std::string& text) override {
        messages << QString::fromStdString(title + "|" + text);
    }
    bool askYesNo(const std::string& title, const std::string& text) override {
        questions << QString::fromStdString(title + "|" + text);
        if (answers.empty()) return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    QStringList messages;
    QStringList questions;
    std::deque<bool> answers;
};

struct QueuedChoosers : vantix::tweaks::ui::PageChoosers {
    QString chooseFile(QWidget*, const QString& title, const QString& start) override {
        asked << title + "|" + start;
        return next;
    }
    QString chooseFolder(QWidget*) override {
        asked << QStringLiteral("folder");
        return next;
    }
    QString next;
    QStringList asked;
};

// A function tree on an image of its own with the default catalogue, the
// image's settings store, and group 2 ("Hidden Functions") open.
struct TreeHarness {
    explicit TreeHarness(
        vantix::platform::WindowsPlatform platform = vantix::platform::WindowsPlatform::Win98)
        : image(platform), reg(*image.machine), store(reg), settings(store) {
        context.database = image.database.get();
        context.settings = &settings;
        context.prompter = &prompter;
        context.choosers = &choosers;
        context.session = [this] { return image.session.get(); };
        context.winVersion = [this] { return static_cast<int>(image.machine->platform()); };
        context.treeSettings = [this] { return treeSettings; };
        context.lastHiddenWork = [this] { return lastHiddenWork; };
        context.setLastHiddenWork = [this](const std::string& key) { lastHiddenWork = key; };
        context.playSound = [this](const QString& file) { sounds << file; };
        context.fileExists = [this](const std::string& path) {
            return image.machine->hostPath(path).has_value() &&
                   std::filesystem::exists(*image.machine->hostPath(path));
        };
        context.closeShell = [this] { ++shellClosed; };
        context.isForeground = [] { return true; };
        tree.setContext(&context);
        tree.setInfoField(&info);
        tree.resize(500, 700);
        tree.show();
        tree.showGroup(2);
    }

    ImageFixture image;
    lindrel32::QVREG reg;
    lindrel32::SettingsStore store;
    vantix::catalogue::SettingsStoreAccess settings;
    QueuedPrompter prompter;
    QueuedChoosers choosers;
    vantix::tweaks::ui::HiddenTreeSettings treeSettings;
    std::string lastHiddenWork;
    QStringList sounds;
    int shellClosed = 0;
    vantix::tweaks::ui::HiddenContext context;
    QTextEdit info;
    vantix::tweaks::ui::HiddenTreeView tree;
};
