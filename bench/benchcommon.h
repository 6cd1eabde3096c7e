#pragma once

#include "toolkit/clockrandom.h"
#include "toolkit/dialogs.h"
#include "toolkit/urlopener.h"
#include "window/form1.h"

#include <QApplication>

namespace tavelin::bench {

class SilentDialogs final : public Dialogs {
public:
    void msgBox(const QString& /*text*/, int /*style*/, const QString& /*title*/) override {}
    QString inputBox(const QString& /*prompt*/, const QString& defaultText) override {
        return defaultText;
    }
};

class NoUrls final : public UrlOpener {
public:
    void open(const QUrl& /*url*/) override {}
};

// A main window on the offscreen platform, with dialogs that return at once.
struct Game {
    Game() : form(Platform{dialogs, random, urls}) {}

    static QApplication& app() {
        static int argc = 1;
        static char name[] = "tavelin_bench";
        static char* argv[] = {name, nullptr};
        static QApplication application(argc, argv);
        return application;
    }

    QApplication& application = app();
    SilentDialogs dialogs;
    ClockRandom random;
    NoUrls urls;
    Form1 form;
};

} // namespace tavelin::bench
