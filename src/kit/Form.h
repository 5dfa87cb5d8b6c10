#pragma once

#include <QWidget>

namespace orbelle {

// Base of the program's five windows. A window is loaded (created, then Form_Load) by
// its FormSlot and unloaded by closing it: close box, its own button or the program.
class Form : public QWidget {
    Q_OBJECT

public:
    enum class Border {
        FixedSingle, // minimise button, taskbar entry
        FixedNoMinimise, // close box only, taskbar entry
        FixedTool, // close box only, no taskbar entry
    };

    explicit Form(Border border);

    // Runs once per load, after the constructor has built the controls.
    virtual void Form_Load() { }

    // Sets a fixed client size in twips.
    void setClientSizeTwips(int width, int height);

Q_SIGNALS:
    // Emitted once when the window unloads; the object is deleted later.
    void unloaded();

protected:
    // Runs before the window unloads; only the main window has work to do here.
    virtual void Form_Unload() { }

    void closeEvent(QCloseEvent* event) override;

private:
    bool m_unloading = false;
};

} // namespace orbelle
