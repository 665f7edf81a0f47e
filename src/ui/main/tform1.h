#pragma once

#include <QLineEdit>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <array>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "core/engine.h"
#include "core/spin_repeat.h"
#include "ui/common/window_links.h"
#include "ui/main/button_label.h"
#include "ui/main/keyboard_move.h"
#include "ui/main/popup_main.h"
#include "ui/main/ship_list_box.h"
#include "ui/main/ship_side.h"

// The compact, frameless, always-on-top calculator window.
//
// Its inputs are the count box AttShips and two ShipSides (attacker and defender: a list,
// the name shown over it, its arrow label). Every handler hands the changed input to the
// engine's input operation, which calculates, and shows the seven result texts the engine
// holds. Colours come from the display settings when the window is created and at every
// activation, which also brings the stored stats into the calculation; the settings panel
// previews single colours through PreviewColor.
class TForm1 : public QWidget, public MainWindowLink {
    Q_OBJECT

  public:
    explicit TForm1(Engine& engine, QWidget* parent = nullptr);

    // Where the "Details" label gets the Details window from: it is built only after this
    // window's first paint, or when first asked for.
    void SetDetailsWindowSource(std::function<QWidget&()> source);
    // The Details window once it is built; it minimises and comes back with this one.
    void SetDetailsWindow(QWidget* details);

    void PreviewColor(ColorRole role) override;
    void ShowAndActivate() override;

    // One tick of Timer1, the spin buttons' auto-repeat (every 50 ms while one is held).
    void Timer1Timer();

  signals:
    // The window is on screen with its first results.
    void firstPainted();

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void PlaceControls();
    void SetUpControls();
    void StackControls();
    void ConnectHandlers();
    void ConnectHoverHighlight(ButtonLabel* label);
    // The keyboard's ways to the labels and the menu.
    void ConnectKeys();
    // What the keys and the window manager do beyond the labels; in tform1_keys.cpp.
    static bool IsUnboundCommandKey(const QEvent& event);
    void OpenPopupMainByKey();
    void MoveBtnKeyboardMove();
    bool StartCompositorMove();
    // What a screen reader hears of the results; in tform1_announcements.cpp.
    QString ResultSummary() const;
    std::array<QWidget*, 5> ResultCarriers() const;
    void DescribeResult();
    void AnnounceResult();

    void FormCreate();
    void FormShow();
    void FormActivate();

    void AttShipsChange();
    void SpinBtnMouseDown(bool upward);
    void SpinBtnMouseUp();
    void AddToCount(std::int64_t amount);
    void MoveBtnMouseDown(QPoint pos);
    void MoveBtnMouseMove(QPoint globalPos);
    void MoveBtnMouseUp();
    void MinBtnClick();
    void RestoreTogether(QWidget& restored, QWidget& other);
    void NoteFocusWindow(QWindow* focus);
    void CloseBtnClick();
    void ClipBtnClick();
    void PopupSwitchClick();
    void HelpBtnClick();
    void DetailsBtnClick();

    // The core operation, unless the window holds its calculations, then the results.
    void RunCore(const std::function<void()>& operation);
    // RunCore for a change the user made, whose result is spoken once the keys pause.
    void RecalculateAndAnnounce(const std::function<void()>& operation);
    void ShowResults();

    void ApplyColors();
    void ApplyBackgroundColor();
    void ApplyTextColor();
    void ApplyHints(bool on);
    void CentreOnScreen();
    const DisplaySettings& Display() const;

    Engine& m_engine;
    const ProgramState& m_state = m_engine.State();
    std::function<QWidget&()> m_detailsSource;
    QWidget* m_details = nullptr;

    // Created in no particular order: StackControls sets the stacking, the constructor
    // the tab order.
    QWidget* m_menu = new QWidget(this);
    ButtonLabel* m_detailsBtn = new ButtonLabel(m_menu);
    ButtonLabel* m_helpBtn = new ButtonLabel(m_menu);
    ButtonLabel* m_clipBtn = new ButtonLabel(m_menu);
    ButtonLabel* m_moveBtn = new ButtonLabel(m_menu);
    ButtonLabel* m_minBtn = new ButtonLabel(m_menu);
    ButtonLabel* m_closeBtn = new ButtonLabel(m_menu);
    QLineEdit* m_attShips = new QLineEdit(this);
    GlyphLabel* m_targetText = new GlyphLabel(this);
    ButtonLabel* m_spinUpBtn = new ButtonLabel(this);
    ButtonLabel* m_spinDownBtn = new ButtonLabel(this);
    ShipListBox* m_attShipList = new ShipListBox(this);
    ButtonLabel* m_attShip = new ButtonLabel(this);
    ButtonLabel* m_attListBtn = new ButtonLabel(this);
    GlyphLabel* m_combatText = new GlyphLabel(this);
    GlyphLabel* m_efficiency = new GlyphLabel(this);
    GlyphLabel* m_defShips = new GlyphLabel(this);
    GlyphLabel* m_targetDisplay = new GlyphLabel(this);
    GlyphLabel* m_listBtnOverlay = new GlyphLabel(this);
    ShipListBox* m_defShipList = new ShipListBox(this);
    ButtonLabel* m_defShip = new ButtonLabel(this);
    ButtonLabel* m_defListBtn = new ButtonLabel(this);
    GlyphLabel* m_classText = new GlyphLabel(this);
    GlyphLabel* m_initText = new GlyphLabel(this);
    QTimer* m_timer1 = new QTimer(this);
    KeyboardMove* m_keyboardMove = new KeyboardMove(*this);
    // A burst of keys is spoken once, this long after its last key.
    QTimer m_resultPause;
    PopupMain* m_popupMain = new PopupMain(m_state.Settings.Display, this);
    ShipSide* m_attSide =
        new ShipSide(m_state, {m_attShipList, m_attShip, m_attListBtn, m_listBtnOverlay}, this);
    ShipSide* m_defSide =
        new ShipSide(m_state, {m_defShipList, m_defShip, m_defListBtn, m_listBtnOverlay}, this);

    // Each control's hint; the window shows them only while hints are on.
    std::vector<std::pair<QWidget*, QString>> m_hints;
    SpinRepeat m_spin;
    bool m_hintsOn = false;
    bool m_dragging = false;
    QPoint m_dragStart;
    bool m_firstShowDone = false;
    // Set until the first show, whose one calculation uses the settings' defaults, and while
    // the swap changes both lists.
    bool m_recalcGuard = true;
    bool m_firstPaintDone = false;
    // Set when the minimise label took the Details window along, so they come back together.
    bool m_minimisedTogether = false;
    // The first activation, and one after another window of the program had the focus,
    // run FormActivate.
    bool m_activateOnReturn = true;
};
