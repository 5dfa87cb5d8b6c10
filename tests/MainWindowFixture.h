#pragma once

#include "TestSupport.h"

#include "app/Forms.h"
#include "doubles/FakeClipboard.h"
#include "doubles/FakeFileTest.h"
#include "doubles/FakeProgramStart.h"
#include "doubles/FakeRegistry.h"
#include "doubles/PdfPrinter.h"
#include "doubles/RecordingMessageBox.h"
#include "doubles/RecordingShell.h"

#include <QTemporaryDir>

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

    orbelle::Form1& start()
    {
        messageBox.messages.clear();
        clipboard = {};
        printer.simulated = orbelle::PrinterPort::Outcome::Printed;
        printer.holdBack = false;
        printer.printCount = 0;
        registry = {};
        shell = {};
        programStart = {};
        fileTest = {};
        forms = std::make_unique<orbelle::Forms>(orbelle::Platform{
            messageBox, clipboard, printer, registry, shell, programStart, fileTest});
        forms->mainWindow.show();
        return main();
    }

    orbelle::Form1& main() { return *forms->mainWindow.loaded(); }

    void choose(const QString& own, const QString& partner)
    {
        main().cbo_astro1->setCurrentText(own);
        main().cbo_astro2->setCurrentText(partner);
    }

    void click(const char* objectName) { testing::clickChild(&main(), objectName); }

    // The other windows, opened as the user opens them from the main window.
    orbelle::frm_aus* analysis(const QString& own, const QString& partner)
    {
        choose(own, partner);
        click("Image1");
        return forms->analysisWindow.loaded();
    }
    orbelle::Form5* birthDate()
    {
        click("Command3");
        return forms->birthDateWindow.loaded();
    }
    orbelle::frmAbout* about()
    {
        click("Command2");
        return forms->aboutDialog.loaded();
    }

    // Every message shown so far as "title: prompt".
    QStringList messages() const
    {
        QStringList shown;
        for (const auto& m : messageBox.messages)
            shown << testing::toQString(m.title) + QStringLiteral(": ")
                         + testing::toQString(m.prompt);
        return shown;
    }

    // Ends the program as the user would.
    void stop()
    {
        if (forms && forms->mainWindow.isLoaded())
            forms->mainWindow.loaded()->close();
        forms.reset();
    }
};
