#pragma once

#include <QAccessibleWidget>

namespace orbelle {

class LinkLabel;

// What assistive technology sees of a link label: a link named by its address that can be
// pressed like a button.
class LinkLabelAccessible final : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel* link);

    // For QAccessible::installFactory: an interface for link labels, none for anything else.
    static QAccessibleInterface* create(const QString& className, QObject* object);

    QString text(QAccessible::Text kind) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
};

} // namespace orbelle
