#pragma once

#include "about/frmAbout.h"
#include "analysis/PairAnalysis.h"
#include "analysis/frm_aus.h"
#include "app/Form1.h"
#include "birthdate/Form5.h"
#include "platform/FormSlot.h"
#include "platform/Platform.h"
#include "signs/Form4.h"

namespace orbelle {

// The program's five windows, each at most once, and what their classes keep across
// an unload. The main window is the only one that opens the others.
class Forms {
public:
    explicit Forms(const Platform& platform);

    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    // Declared in the order the program ends them in; the main window goes last.
    FormSlot<Form1> mainWindow;
    FormSlot<frmAbout> aboutDialog;
    FormSlot<frm_aus> analysisWindow;
    FormSlot<Form4> profileWindow;
    FormSlot<Form5> birthDateWindow;

    AnalysisFields analysisFields;

private:
    Platform m_platform;
};

} // namespace orbelle
