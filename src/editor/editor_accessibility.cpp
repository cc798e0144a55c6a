#include "editor/editor_accessibility.h"

#include "editor/card_editor.h"

#include <QAccessibleWidget>

namespace memora {

namespace {

// The editor's window as Qt presents it, its children without btnFocus.
class EditorAccessible : public QAccessibleWidget {
public:
    explicit EditorAccessible(TfrmArchivio_Scadenze* editor) : QAccessibleWidget(editor) {}

    int childCount() const override { return int(children().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QAccessibleInterface*> shown = children();
        return index >= 0 && index < shown.size() ? shown[index] : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return int(children().indexOf(const_cast<QAccessibleInterface*>(child)));
    }

    QAccessibleInterface* focusChild() const override
    {
        QAccessibleInterface* focused = QAccessibleWidget::focusChild();
        return focused && leftOut(focused) ? nullptr : focused;
    }

private:
    static bool leftOut(const QAccessibleInterface* child)
    {
        return child->object() && child->object()->objectName() == QLatin1String("btnFocus");
    }

    QList<QAccessibleInterface*> children() const
    {
        QList<QAccessibleInterface*> shown;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i)
            if (QAccessibleInterface* child = QAccessibleWidget::child(i); child && !leftOut(child))
                shown.append(child);
        return shown;
    }
};

QAccessibleInterface* editorInterface(const QString&, QObject* object)
{
    auto* editor = qobject_cast<TfrmArchivio_Scadenze*>(object);
    return editor ? new EditorAccessible(editor) : nullptr;
}

}  // namespace

void installEditorAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(editorInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace memora
