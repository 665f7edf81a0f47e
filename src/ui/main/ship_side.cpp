#include "ui/main/ship_side.h"

#include <QCoreApplication>
#include <QStringList>

#include "core/engine.h"
#include "ui/common/colors.h"
#include "ui/common/qt_text.h"
#include "ui/main/button_label.h"
#include "ui/main/ship_list_box.h"
#include "ui/main/tform1_layout.h"

namespace {

// A blank and at most 15 characters of the name: what fits over the list.
constexpr std::size_t kPickedNameLength = 16;

}  // namespace

ShipSide::ShipSide(const ProgramState& state, const Controls& controls, QObject* parent)
    : QObject(parent), m_state(state), m_controls(controls) {
    ShipListBox* list = m_controls.list;
    connect(list, &ShipListBox::userChanged, this, &ShipSide::ListChange);
    connect(list, &ShipListBox::droppedDown, this, &ShipSide::ListDropDown);
    connect(list, &ShipListBox::closedUp, this, &ShipSide::ListCloseUp);
    connect(list, &ShipListBox::entered, this, &ShipSide::ListEnter);
    connect(list, &ShipListBox::exited, this, &ShipSide::ListExit);
    connect(m_controls.name, &ButtonLabel::clicked, this, &ShipSide::NameClick);
    connect(m_controls.listBtn, &ButtonLabel::clicked, this, &ShipSide::ListBtnClick);
    connect(m_controls.listBtn, &ButtonLabel::entered, this, &ShipSide::ListBtnMouseEnter);
    connect(m_controls.listBtn, &ButtonLabel::left, this, &ShipSide::ListBtnMouseLeave);
}

void ShipSide::FillList() {
    QStringList names;
    for (const ShipRecord& ship : m_state.ActiveStats) {
        names << ToQString(ship[Col::ShipName]);
    }
    m_controls.list->clear();
    m_controls.list->addItems(names);
}

void ShipSide::SelectRow(int row) {
    const bool inTable = row >= 0 && row < m_controls.list->count();
    m_controls.list->setCurrentIndex(inTable ? row : 0);
}

int ShipSide::SelectedRow() const {
    return m_controls.list->currentIndex();
}

void ShipSide::ShowName() {
    const std::string caption = " " + ShipAt(m_state.ActiveStats, SelectedRow())[Col::ShipName];
    m_controls.name->ShowText(ToQString(m_picked ? caption.substr(0, kPickedNameLength) : caption));
}

void ShipSide::ListChange() {
    ShipListBox* list = m_controls.list;
    if (list->currentIndex() < 0) {
        list->clearEditText();
        list->setCurrentIndex(m_lastRow);
    }
    m_lastRow = list->currentIndex();
    m_picked = true;
    ShowName();
    emit selectionChanged();
}

void ShipSide::ApplyColors() {
    SetNameColor(ListHasFocus() ? Colors().MainHighlight : Colors().MainText);
    ApplyListColors();
}

void ShipSide::ApplyListColors() {
    m_controls.listBtn->SetTextColor(ToQColor(Colors().MainText));
    QPalette listColors = m_controls.list->palette();
    listColors.setColor(QPalette::Text, ToQColor(Colors().MainText));
    listColors.setColor(QPalette::ButtonText, ToQColor(Colors().MainText));
    m_controls.list->setPalette(listColors);
}

void ShipSide::PreviewTextColor() {
    if (m_nameColor != Colors().MainHighlight) {
        SetNameColor(Colors().MainText);
    }
    ApplyListColors();
}

void ShipSide::PreviewHighlightColor() {
    if (m_nameColor != Colors().MainText) {
        SetNameColor(Colors().MainHighlight);
    }
}

bool ShipSide::ListHasFocus() const {
    const QWidget* focus = m_controls.list->window()->focusWidget();
    return focus != nullptr && (focus == m_controls.list || m_controls.list->isAncestorOf(focus));
}

void ShipSide::ListDropDown() {
    ShipListBox* list = m_controls.list;
    const int clientWidth = list->parentWidget()->width();
    list->setGeometry(tform1_layout::DroppedListLeft, list->y(),
                      clientWidth - tform1_layout::DroppedListMargin, list->height());
}

void ShipSide::ListCloseUp() {
    ShipListBox* list = m_controls.list;
    list->setGeometry(tform1_layout::ClosedListLeft, list->y(), tform1_layout::ClosedListWidth,
                      list->height());
    m_controls.listBtnOverlay->hide();
}

void ShipSide::ListEnter() {
    SetNameColor(Colors().MainHighlight);
}

void ShipSide::ListExit() {
    SetNameColor(Colors().MainText);
}

void ShipSide::NameClick() {
    m_controls.list->setFocus();
}

void ShipSide::ListBtnClick() {
    const ButtonLabel* button = m_controls.listBtn;
    GlyphLabel* overlay = m_controls.listBtnOverlay;
    const int clientWidth = button->parentWidget()->width();
    overlay->setGeometry(button->x(), button->y(), clientWidth - button->x() - 1,
                         overlay->height());
    overlay->show();
    m_controls.list->setFocus();
    // Lets the focus change paint before the list covers the window.
    QCoreApplication::processEvents();
    m_controls.list->showPopup();
}

void ShipSide::ListBtnMouseEnter() {
    m_controls.listBtn->SetTextColor(ToQColor(Colors().MainHighlight));
    SetNameColor(Colors().MainHighlight);
}

void ShipSide::ListBtnMouseLeave() {
    m_controls.listBtn->SetTextColor(ToQColor(Colors().MainText));
    if (!ListHasFocus()) {
        SetNameColor(Colors().MainText);
    }
}

void ShipSide::SetNameColor(ColorValue color) {
    m_nameColor = color;
    m_controls.name->SetTextColor(ToQColor(color));
}

const DisplaySettings& ShipSide::Colors() const {
    return m_state.Settings.Display;
}
