#include "about/LinkLabelAccessible.h"

#include "about/LinkLabel.h"

namespace orbelle {

LinkLabelAccessible::LinkLabelAccessible(LinkLabel* link)
    : QAccessibleWidget(link, QAccessible::Link)
{
}

QAccessibleInterface* LinkLabelAccessible::create(const QString&, QObject* object)
{
    auto* link = qobject_cast<LinkLabel*>(object);
    return link ? new LinkLabelAccessible(link) : nullptr;
}

QString LinkLabelAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
        return static_cast<const LinkLabel*>(widget())->text();
    return QAccessibleWidget::text(kind);
}

QStringList LinkLabelAccessible::actionNames() const
{
    return QAccessibleWidget::actionNames() << pressAction();
}

void LinkLabelAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction())
        static_cast<LinkLabel*>(widget())->click();
    else
        QAccessibleWidget::doAction(actionName);
}

} // namespace orbelle
