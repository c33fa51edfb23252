// SPDX-License-Identifier: GPL-3.0-or-later
// A main window on fresh settings, a fresh program folder and a scripted
// prompt, so that no test ever waits on a box.
#pragma once

#include "control_tables.h"
#include "help_commands.h"
#include "main_window.h"
#include "report_commands.h"
#include "transfer_commands.h"
#include "model.h"
#include "settings_store.h"
#include "support/recording_prompt.h"

#include <QApplication>
#include <QLabel>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace quorlink::test {

// Whether all of a label's text is in view: the label is not cut by the
// page it stands on, and its text, wrapped at its width, fits its height.
inline bool WhollyShown(const QLabel* label)
{
    const QRect inside = label->contentsRect();
    const QRect needed = label->fontMetrics().boundingRect(inside, Qt::TextWordWrap, label->text());
    return label->isVisible() && label->visibleRegion().boundingRect() == label->rect() &&
           needed.width() <= inside.width() && needed.height() <= inside.height();
}

struct MainWindowFixture {
    QTemporaryDir settingsDir;
    QTemporaryDir programDir;
    RecordingPrompt prompt;
    Model model;
    std::unique_ptr<MainWindow> window;

    MainWindowFixture()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
        QSettings(QStringLiteral("Quorlink"), QStringLiteral("Quorlink")).clear();
    }

    MainWindow& Open(bool diagnostic = false)
    {
        model.DiagnosticMode = diagnostic;
        window = std::make_unique<MainWindow>(model, prompt, programDir.path(), WindowTimings{0, 0}, programDir.path());
        window->show();
        QApplication::setActiveWindow(window.get());
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("window not exposed");
        return *window;
    }

    // The records a test put into model come in as an opened file's do:
    // put right once, a new start of the history, shown again.
    void Load() const
    {
        Document::Source source;
        source.file = Document::Source::File::Keep;
        window->Data().ReplaceRecords([](Model&) {}, source);
        window->RefreshTreeAndColours();
        window->RefreshCurrentPage();
    }

    template <class T = QWidget>
    T* Find(const char* name) const
    {
        return window->findChild<T*>(QLatin1String(name));
    }

    void Trigger(const char* actionName) const
    {
        QAction* action = window->findChild<QAction*>(QLatin1String(actionName));
        QVERIFY2(action, actionName);
        action->trigger();
    }
};

}  // namespace quorlink::test
