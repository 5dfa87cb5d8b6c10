#pragma once

#include "about/frmAbout.h"
#include "analysis/PairAnalysis.h"
#include "analysis/frm_aus.h"
#include "app/Form1.h"
#include "birthdate/Form5.h"
#include "kit/FormSlot.h"
#include "ports/Platform.h"
#include "signs/Form4.h"

#include <QObject>

#include <memory>

namespace orbelle {

// The program's five windows, each at most once, what their classes keep across an
// unload, and every connection between them: the main window asks, and the answers are
// wired up here.
class Forms final : public QObject {
    Q_OBJECT

public:
    explicit Forms(const Platform& platform);

    // Outlives every window, since the analysis window refers to it.
    AnalysisFields analysisFields;

    // The program ends its windows by closing the main window, which unloads the others
    // first (unloadOthers). Members go in reverse order of declaration, so should Forms go
    // while windows are still loaded (a test, the gallery), they are deleted in that same
    // order too: the birth-date window first, the main window last.
    FormSlot<Form1> mainWindow;
    FormSlot<frmAbout> aboutDialog;
    FormSlot<frm_aus> analysisWindow;
    FormSlot<Form4> profileWindow;
    FormSlot<Form5> birthDateWindow;

private:
    std::unique_ptr<Form1> createMainWindow();
    void showProfile(const SignEntry& sign, Form1::ProfileWindow mode);
    void unloadOthers();

    Platform m_platform;
};

} // namespace orbelle
