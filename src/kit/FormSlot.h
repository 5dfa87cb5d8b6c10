#pragma once

#include "kit/Form.h"

#include <QObject>

#include <functional>
#include <memory>

namespace orbelle {

// The single instance of one window class: created and loaded on first use, shown
// modeless without an owner, forgotten when it unloads so that the next use loads it
// afresh. Whatever the window class keeps beyond its controls lives outside the window
// and is handed to it by the factory, so it survives the unload.
class FormSlotBase : public QObject {
    Q_OBJECT

public:
    ~FormSlotBase() override;

    bool isLoaded() const { return m_form != nullptr; }

    // Loads the window if needed, shows it and brings it to the front, restored if it was
    // minimised.
    void show();

    // Closes the window if it is loaded; does nothing otherwise.
    void unload();

protected:
    FormSlotBase() = default;
    Form& loadForm();
    Form* form() const { return m_form; }
    virtual std::unique_ptr<Form> create() = 0;

private:
    void forget();

    Form* m_form = nullptr;
};

// Where a window of the given frame goes when it is centred on the area: centred, but
// moved onto the area as far as it fits, its top left corner on it in any case.
QPoint centredOn(QRect frame, const QRect& area);

template <typename F> class FormSlot final : public FormSlotBase {
public:
    using Factory = std::function<std::unique_ptr<F>()>;

    explicit FormSlot(Factory factory)
        : m_factory(std::move(factory))
    {
    }

    // The loaded window, loading it hidden if it is not loaded yet.
    F& load() { return static_cast<F&>(loadForm()); }

    // The loaded window or nullptr; never loads.
    F* loaded() const { return static_cast<F*>(form()); }

protected:
    std::unique_ptr<Form> create() override { return m_factory(); }

private:
    Factory m_factory;
};

} // namespace orbelle
