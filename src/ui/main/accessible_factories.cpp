#include "ui/main/accessible_factories.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QFrame>

#include "ui/common/accessibility.h"
#include "ui/common/spoken_notice.h"
#include "ui/details/details_form.h"
#include "ui/details/section_tab_bar.h"
#include "ui/details/setup/color_bar.h"
#include "ui/details/setup/color_grid.h"
#include "ui/main/glyph_label.h"
#include "ui/main/tform1.h"

namespace {

// A pane that takes its name from the control it serves.
class NamedPaneAccessible : public QAccessibleWidget {
  public:
    NamedPaneAccessible(QWidget* pane, const QWidget* namer)
        : QAccessibleWidget(pane, QAccessible::Pane), m_namer(namer) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? m_namer->accessibleName()
                                         : QAccessibleWidget::text(kind);
    }

  private:
    const QWidget* m_namer;
};

// A scroll area's viewport takes the area's focus for its own: only the area, a text box or
// a list, reports it, so that one node is focused.
class ViewportAccessible : public QAccessibleWidget {
  public:
    explicit ViewportAccessible(QWidget* viewport)
        : QAccessibleWidget(viewport, QAccessible::Client) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focused = false;
        return state;
    }
};

bool IsProgramWindow(const QObject* object) {
    return qobject_cast<const TForm1*>(object) != nullptr ||
           qobject_cast<const TDetailsForm*>(object) != nullptr;
}

// Both windows are plain widgets, which Qt shows as a client area without a window role.
QAccessibleInterface* ProgramWindowAccessibleFactory(const QString&, QObject* object) {
    return IsProgramWindow(object)
               ? new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window)
               : nullptr;
}

// Only the program's own lists: the save dialog's lists keep what Qt gives them, their names
// from their labels included.
QAccessibleInterface* ProgramComboBoxAccessibleFactory(const QString&, QObject* object) {
    auto* list = qobject_cast<QComboBox*>(object);
    return list != nullptr && IsProgramWindow(list->window()) ? NewComboBoxAccessible(list)
                                                              : nullptr;
}

QAccessibleInterface* ViewportAccessibleFactory(const QString&, QObject* object) {
    auto* viewport = qobject_cast<QWidget*>(object);
    auto* area = viewport != nullptr ? qobject_cast<QAbstractScrollArea*>(viewport->parentWidget())
                                     : nullptr;
    const bool isViewport = area != nullptr && area->viewport() == viewport;
    return isViewport && IsProgramWindow(area->window()) ? new ViewportAccessible(viewport)
                                                         : nullptr;
}

// The first of Qt's classes that a class of ours, or Qt's own, is built on.
const char* QtClassOf(const QObject& object) {
    const QMetaObject* type = object.metaObject();
    while (type->className()[0] != 'Q' && type->superClass() != nullptr) {
        type = type->superClass();
    }
    return type->className();
}

// The drop-down is the one pop-up frame a list owns; Qt's class for it is private.
QComboBox* ListOfDropDown(const QFrame& frame) {
    return frame.windowType() == Qt::Popup ? qobject_cast<QComboBox*>(frame.parentWidget())
                                           : nullptr;
}

// Qt shows a bare frame with the role of a window's frame, which AT-SPI clients read as a
// window inside the window. The program's frames are panels or, drawn as a line, separators;
// a list's drop-down container holds the list under the list's name.
QAccessibleInterface* ProgramFrameAccessibleFactory(const QString&, QObject* object) {
    auto* frame = qobject_cast<QFrame*>(object);
    if (frame == nullptr) {
        return nullptr;
    }
    if (QComboBox* list = ListOfDropDown(*frame)) {
        return IsProgramWindow(list->window()) ? new NamedPaneAccessible(frame, list) : nullptr;
    }
    if (qstrcmp(QtClassOf(*frame), "QFrame") != 0 || !IsProgramWindow(frame->window())) {
        return nullptr;
    }
    const QFrame::Shape shape = frame->frameShape();
    const bool isLine = shape == QFrame::HLine || shape == QFrame::VLine;
    return new QAccessibleWidget(frame, isLine ? QAccessible::Separator : QAccessible::Pane);
}

}  // namespace

void InstallAccessibleFactories() {
    QAccessible::installFactory(GlyphLabelAccessibleFactory);
    QAccessible::installFactory(SectionTabAccessibleFactory);
    QAccessible::installFactory(ColorGridAccessibleFactory);
    QAccessible::installFactory(ColorBarAccessibleFactory);
    QAccessible::installFactory(ProgramComboBoxAccessibleFactory);
    QAccessible::installFactory(ProgramFrameAccessibleFactory);
    QAccessible::installFactory(ViewportAccessibleFactory);
    QAccessible::installFactory(SpokenNoticeAccessibleFactory);
    QAccessible::installFactory(ProgramWindowAccessibleFactory);
}
