#pragma once

#include "app/Forms.h"
#include "platform/FakeClipboard.h"
#include "platform/FakeFileTest.h"
#include "platform/FakeProgramStart.h"
#include "platform/FakeRegistry.h"
#include "platform/PdfPrinter.h"
#include "platform/RecordingMessageBox.h"
#include "platform/RecordingShell.h"

#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The whole program on test doubles: the main window shown, every other window reachable
// through the same Forms object that the program uses.
struct MainWindowFixture {
    orbelle::RecordingMessageBox messageBox;
    orbelle::FakeClipboard clipboard;
    QTemporaryDir printDir;
    orbelle::PdfPrinter printer{printDir.filePath(QStringLiteral("print.pdf"))};
    orbelle::FakeRegistry registry;
    orbelle::RecordingShell shell;
    orbelle::FakeProgramStart programStart;
    orbelle::FakeFileTest fileTest;
    std::unique_ptr<orbelle::Forms> forms;

    orbelle::Platform platform()
    {
        return {messageBox, clipboard, printer, registry, shell, programStart, fileTest};
    }

    orbelle::Form1& start()
    {
        messageBox.messages.clear();
        clipboard = {};
        printer.simulated = orbelle::PrinterPort::Outcome::Printed;
        registry = {};
        shell = {};
        programStart = {};
        fileTest = {};
        forms = std::make_unique<orbelle::Forms>(platform());
        forms->mainWindow.show();
        return *forms->mainWindow.loaded();
    }

    orbelle::Form1& main() { return *forms->mainWindow.loaded(); }

    void choose(const QString& own, const QString& partner)
    {
        main().cbo_astro1->setCurrentText(own);
        main().cbo_astro2->setCurrentText(partner);
    }

    // Clicks the centre of a control of the main window, found by its object name.
    void click(const char* objectName)
    {
        auto* widget = main().findChild<QWidget*>(QLatin1String(objectName));
        QVERIFY2(widget, objectName);
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

    // Ends the program as the user would, and waits until every window is gone.
    void stop()
    {
        if (forms && forms->mainWindow.isLoaded())
            forms->mainWindow.loaded()->close();
        forms.reset();
    }
};
