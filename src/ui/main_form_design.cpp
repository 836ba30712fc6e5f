#include "ui/main_form_design.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/design_fonts.h"
#include "ui/glyphs.h"
#include "ui/listing_model.h"
#include "ui/panel.h"
#include "ui/rx_calc_edit.h"

namespace kestra {
namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

// A label that takes the size of its caption, like an auto-sized label.
QLabel* AutoLabel(QWidget* parent, const char* name, const QString& caption, int left, int top,
                  bool bold = false) {
  auto* label = Named(new QLabel(caption, parent), name);
  label->setTextFormat(Qt::PlainText);
  if (bold) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
  }
  label->move(left, top);
  label->adjustSize();
  return label;
}

QLineEdit* EditBox(QWidget* parent, const char* name, int left, int top, int width) {
  auto* edit = Named(new QLineEdit(parent), name);
  edit->setGeometry(left, top, width, 21);
  return edit;
}

TRxCalcEdit* RangeField(QWidget* parent, const char* name, int left, int top) {
  auto* edit = Named(new TRxCalcEdit(parent), name);
  edit->setGeometry(left, top, 81, 21);
  edit->SetMinValue(1);
  edit->SetMaxValue(0);
  edit->SetValue(1);
  return edit;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, const QRect& box,
                    const QIcon& glyph = QIcon()) {
  auto* button = Named(new QPushButton(glyph, caption, parent), name);
  button->setGeometry(box);
  return button;
}

void BuildTopBand(Ui_TForm1& ui, QWidget* pnl_1) {
  ui.pnl_3 = Named(new QFrame(pnl_1), "pnl_3");
  ui.pnl_3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  ui.pnl_3->setGeometry(6, 6, 371, 49);
  ui.lbl_2 = AutoLabel(ui.pnl_3, "lbl_2",
                       QStringLiteral("Aplikacja do dzielenia zbiorów danych programu MX730"), 5, 7);
  ui.Label1 = AutoLabel(ui.pnl_3, "Label1",
                        QStringLiteral("UŻYWASZ NA WŁASNĄ ODPOWIEDZIALNOŚĆ !!!"), 5, 23, true);

  ui.lbl_1 = AutoLabel(pnl_1, "lbl_1", QStringLiteral("Wskaż typ zbioru"), 5, 61);
  ui.cbb_1 = Named(new QComboBox(pnl_1), "cbb_1");
  ui.cbb_1->setEditable(false);
  ui.cbb_1->setMaxVisibleItems(20);
  ui.cbb_1->setGeometry(112, 57, 265, ui.cbb_1->sizeHint().height());

  ui.btn_1 = Button(pnl_1, "btn_1", QStringLiteral("Otwórz zbiór"), QRect(5, 88, 108, 25),
                    OkGlyph());
  ui.lbl_3 = AutoLabel(pnl_1, "lbl_3", QStringLiteral("bieżący zbiór:"), 119, 92);
  ui.lbl_FielName = AutoLabel(pnl_1, "lbl_FielName", QStringLiteral("<brak>"), 207, 92, true);
  // The path may be long: the label reaches past the window's edge, which
  // cuts it, rather than growing with each path.
  ui.lbl_FielName->resize(4096, ui.lbl_FielName->height());

  ui.rg1 = Named(new QGroupBox(QStringLiteral(" Polskie znaki "), pnl_1), "rg1");
  ui.rg1->setGeometry(384, 8, 121, 73);
  auto* items = new QVBoxLayout(ui.rg1);
  items->setContentsMargins(8, 2, 8, 4);
  items->setSpacing(0);
  ui.rg1_items = Named(new QButtonGroup(ui.rg1), "rg1_items");
  int index = 0;
  for (const QString& caption : {QStringLiteral("CP-852"), QStringLiteral("MAZovia")}) {
    auto* item = new QRadioButton(caption, ui.rg1);
    item->setObjectName(QStringLiteral("rg1_item%1").arg(index));
    ui.rg1_items->addButton(item, index++);
    items->addWidget(item);
  }
  ui.rg1_items->button(0)->setChecked(true);
}

void BuildActionPanel(Ui_TForm1& ui, Panel* pnl_2) {
  pnl_2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  pnl_2->setMinimumWidth(180);
  pnl_2->setMaximumWidth(200);
  // "Akcja" across the top; everything else at its place.
  auto* top = new QVBoxLayout(pnl_2);
  top->setContentsMargins(0, 0, 0, 0);
  ui.pnl_5 = Named(new QLabel(QStringLiteral("Akcja"), pnl_2), "pnl_5");
  ui.pnl_5->setFrameStyle(QFrame::Panel | QFrame::Raised);
  ui.pnl_5->setAlignment(Qt::AlignCenter);
  ui.pnl_5->setFixedHeight(24);
  QFont bold = ui.pnl_5->font();
  bold.setBold(true);
  ui.pnl_5->setFont(bold);
  top->addWidget(ui.pnl_5);
  top->addStretch();

  ui.chk_1 = Named(new QCheckBox(QStringLiteral("najpierw zamien nazwę"), pnl_2), "chk_1");
  ui.chk_1->setGeometry(8, 32, 177, 17);
  ui.chk_1->setChecked(true);
  ui.lbl_5 = AutoLabel(pnl_2, "lbl_5", QStringLiteral("zbioru źródłowego na "), 26, 48);
  ui.ed_OldFileName = EditBox(pnl_2, "ed_OldFileName", 24, 64, 153);

  ui.lbl_4 = AutoLabel(pnl_2, "lbl_4", QStringLiteral("od rekordu:"), 8, 106);
  ui.ed_1 = RangeField(pnl_2, "ed_1", 80, 104);
  ui.btn_3 = Button(pnl_2, "btn_3", QStringLiteral("G"), QRect(164, 103, 15, 25));
  ui.Label2 = AutoLabel(pnl_2, "Label2", QStringLiteral("do rekordu:"), 8, 130);
  ui.ed_2 = RangeField(pnl_2, "ed_2", 80, 128);
  ui.btn_4 = Button(pnl_2, "btn_4", QStringLiteral("G"), QRect(164, 127, 15, 25));
  for (QPushButton* small : {ui.btn_3, ui.btn_4}) small->setFont(DesignFont(11));

  ui.lbl_6 = AutoLabel(pnl_2, "lbl_6", QStringLiteral("zapisz do pliku:"), 24, 168);
  ui.ed_NewFileName = EditBox(pnl_2, "ed_NewFileName", 24, 184, 153);
  ui.btn_2 = Button(pnl_2, "btn_2", QStringLiteral("GOŁ"), QRect(24, 216, 153, 25),
                    OkGlyph());
  ui.btn_5 = Button(pnl_2, "btn_5", QStringLiteral("O programie"), QRect(24, 264, 153, 25),
                    HelpGlyph());
}

void BuildGrid(Ui_TForm1& ui, Panel* pnl_4) {
  pnl_4->setFrameStyle(QFrame::NoFrame);
  pnl_4->setFont(DesignFont(11));
  auto* fill = new QVBoxLayout(pnl_4);
  fill->setContentsMargins(0, 0, 0, 0);

  ui.grd_1 = Named(new QTableView(pnl_4), "grd_1");
  fill->addWidget(ui.grd_1);
  auto* cells = Named(new ListingModel(ui.grd_1), "grd_1_cells");
  ui.grd_1->setModel(cells);
  ui.grd_1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ui.grd_1->setSelectionBehavior(QAbstractItemView::SelectRows);
  ui.grd_1->setSelectionMode(QAbstractItemView::ContiguousSelection);
  ui.grd_1->setShowGrid(true);
  ui.grd_1->setTabKeyNavigation(false);  // Tab leaves the grid
  ui.grd_1->setWordWrap(false);
  ui.grd_1->setTextElideMode(Qt::ElideNone);
  ui.grd_1->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  ui.grd_1->setContextMenuPolicy(Qt::CustomContextMenu);

  QHeaderView* rows = ui.grd_1->verticalHeader();
  rows->hide();
  rows->setMinimumSectionSize(0);
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setDefaultSectionSize(18);

  QHeaderView* columns = ui.grd_1->horizontalHeader();
  columns->setMinimumSectionSize(0);
  columns->setSectionResizeMode(QHeaderView::Interactive);
  columns->setSectionsMovable(true);
  columns->setStretchLastSection(false);
  columns->setHighlightSections(false);
  columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  const int widths[] = {64, 96, 94, 227};
  for (int column = 0; column < 4; ++column) columns->resizeSection(column, widths[column]);
}

void SetFocusOrder(const Ui_TForm1& ui) {
  QWidget* const order[] = {ui.cbb_1,          ui.btn_1,          ui.rg1_items->button(0),
                            ui.rg1_items->button(1), ui.ed_1,     ui.ed_2,
                            ui.chk_1,          ui.ed_OldFileName, ui.ed_NewFileName,
                            ui.btn_2,          ui.btn_3,          ui.btn_4,
                            ui.btn_5,          ui.grd_1};
  for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace

void Ui_TForm1::SetupUi(QMainWindow* form) {
  form->setObjectName(QStringLiteral("Form1"));
  form->setWindowTitle(QStringLiteral("Program KESTRA wersja pod Windows"));
  form->setFont(DesignFont(13));
  // The design's outer size is 710 x 480 with a Windows frame: a client
  // area of 702 x 453, of which the grid area gets 509 pixels' width.
  form->resize(702, 453);

  auto* client = new QWidget(form);
  auto* regions = new QVBoxLayout(client);
  regions->setContentsMargins(0, 0, 0, 0);
  regions->setSpacing(0);
  form->setCentralWidget(client);

  pnl_1 = Named(new Panel(client), "pnl_1");
  pnl_1->setFrameStyle(QFrame::NoFrame);
  pnl_1->setFixedHeight(121);
  regions->addWidget(pnl_1);
  BuildTopBand(*this, pnl_1);

  spl1 = Named(new QSplitter(Qt::Horizontal, client), "spl1");
  spl1->setHandleWidth(8);
  spl1->setChildrenCollapsible(false);
  regions->addWidget(spl1, 1);

  pnl_4 = Named(new Panel(spl1), "pnl_4");
  BuildGrid(*this, pnl_4);
  pnl_2 = Named(new Panel(spl1), "pnl_2");
  BuildActionPanel(*this, pnl_2);
  spl1->addWidget(pnl_4);
  spl1->addWidget(pnl_2);
  spl1->setStretchFactor(0, 1);
  spl1->setStretchFactor(1, 0);
  spl1->setSizes({702 - 8 - 185, 185});

  StatusBar1 = Named(new QStatusBar(form), "StatusBar1");
  StatusBar1->setFixedHeight(19);
  form->setStatusBar(StatusBar1);

  od_1 = Named(new QFileDialog(form), "od_1");
  od_1->setOption(QFileDialog::DontUseNativeDialog);
  od_1->setFileMode(QFileDialog::ExistingFile);
  od_1->setAcceptMode(QFileDialog::AcceptOpen);
  od_1->setWindowTitle(QStringLiteral("Otwórz"));
  // The entries show their descriptions only, as on Windows.
  od_1->setOption(QFileDialog::HideNameFilterDetails);
  // Names are matched as Windows users expect: without regard to case.
  od_1->setFilter(od_1->filter() & ~QDir::CaseSensitive);

  pm_1 = Named(new QMenu(grd_1), "pm_1");
  ustawwartoOD1 = Named(pm_1->addAction(QStringLiteral("ustaw wartość OD REKORDU")), "ustawwartoOD1");
  N1 = Named(pm_1->addSeparator(), "N1");
  ustawwartoDOREKORDU1 =
      Named(pm_1->addAction(QStringLiteral("ustaw wartość DO REKORDU")), "ustawwartoDOREKORDU1");

  SetFocusOrder(*this);

  if (const QScreen* screen = form->screen()) {
    form->move(screen->availableGeometry().center() - form->rect().center());
  }
}

}  // namespace kestra
