#include "shell/ui/main_window.h"

#include <algorithm>
#include <string>
#include <system_error>

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QPointer>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include "figures/figure_state.h"
#include "shell/dispatch.h"
#include "shell/external_programs.h"
#include "shell/list_files.h"
#include "shell/parameter_file_update.h"
#include "shell/start_up.h"
#include "shell/settings.h"
#include "shell/tickets.h"
#include "shell/variant_parameters.h"
#include "shell/ui/colloquium_window.h"
#include "shell/ui/question_list_window.h"
#include "shell/ui/students_window.h"
#include "toolkit/cp1251.h"

#ifndef TARBEL_VERSION
#define TARBEL_VERSION "0.1"
#endif

namespace shell::ui {

namespace {

constexpr const char* kProgramTitle = "Tarbel";
constexpr std::size_t kCaptionChars = 79;

constexpr const char* kHelp1 =
    " The program creates files terms of problems in mathematics and mechanics with answers in "
    "a format LaTex. You can select the number of cases, the initial number and variant. Set "
    "performs a random number generator. Set file is written to the directory corresponding to "
    "the number of the problem. In the \"examination tickets\" are tickets to two questions and "
    "problems. The program is designed for teachers in relation to distance forms of education. "
    "Sets of tasks can be used for the tests, especially in large groups of students.";
constexpr const char* kHelp2 =
    " Clicking Start (F2) writes the document into the start directory and starts latex on it: "
    "a problem set is named after the problem, the tab letter, the set and the level letter "
    "(o12a7C.tex: answers on, problem 12 of Analysis, set 7, Level 3), the tickets are mathA.tex "
    "to mathJ.tex, the colloquium sets vprA.tex to vprJ.tex; the answers are in otv/. The .tex "
    "file can be edited with any text editor and typeset again with latex.";
constexpr const char* kHelp3 =
    "latex makes the .dvi file from the .tex file the Start button wrote; the program starts it "
    "after every Start (there is no separate button). The \"Yap\" menu item shows the .dvi file "
    "with xdvi.";
constexpr const char* kHelp4 =
    "The \"Yap\" menu item (F7) shows the .dvi file of the last document with xdvi, where it can "
    "be read and printed.";
constexpr const char* kHelp5 =
    "\"Ps\" converts the .dvi file into PostScript on A4 with dvips; \"GsView\" shows it with "
    "the PostScript viewer (gv, chosen under Options), \"PDF\" makes a PDF of it with "
    "Ghostscript, and \"SuperPDF\" does both steps, PostScript and then PDF.";
constexpr const char* kHelp6 =
    "You can select individual (list) jobs, set the margins between the individual cards, cancel "
    "the print answers";
constexpr const char* kHelp7 =
    "With \"Individual tasks\" on, every variant carries the name of a student from the list. "
    "The list can be edited or loaded from any text file in the \"Students\" window; its first "
    "line is the group's name, each further line one student. The number of variants is the "
    "number of students (up to 40).";

QSpinBox* NewSpin(QWidget* parent, const char* name, int lo, int hi, int value) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setRange(lo, hi);
  spin->setValue(value);
  return spin;
}

QLabel* NewLabel(QWidget* parent, const char* name, const char* text) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(name);
  return label;
}

QString Caption(const std::string& text) {
  return QString::fromStdString(toolkit::CutToChars(text, kCaptionChars));
}

}  // namespace

MainWindow::MainWindow(SharedState& s, ShellSession& session, Platform& platform, QWidget* parent)
    : QMainWindow(parent), s_(s), session_(session), platform_(platform) {
  setObjectName("Form1");
  CreateControls();
  CreateStatusLine();
  CreateMenus();
  StartUp();
  ConnectControls();
  CreateListWindows();
  // Every key reaches the window's own handler first (Q ends the program).
  qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
  session_.Status = {};
  // The children are destroyed after this destructor, by ~QWidget: their last signals (the
  // date field losing its focus, the application's focus change) would reach a window that
  // is no longer a MainWindow.
  qApp->removeEventFilter(this);
  disconnect(qApp, nullptr, this, nullptr);
  for (QObject* child : findChildren<QObject*>()) disconnect(child, nullptr, this, nullptr);
}

void MainWindow::CreateControls() {
  auto* central = new QWidget(this);
  auto* row = new QHBoxLayout(central);
  // The lists take the width the run controls leave, at least the computed tab control
  // width, so that all nine tab captions show side by side on the usual screens.
  row->addWidget(CreateRunPanel(), 0);
  CreateTabs();
  row->addWidget(pages_, 1);
  setCentralWidget(central);
}

void MainWindow::CreateStatusLine() {
  statusBar()->setObjectName("StatusLine");
  // What a Start or a TeX command made: the programs end after the window may have gone.
  QPointer<QStatusBar> line = statusBar();
  session_.Status = [line](const std::string& text) {
    if (line) line->showMessage(QString::fromStdString(text));
  };
}

QWidget* MainWindow::CreateRunPanel() {
  auto* panel = new QWidget(this);
  auto* grid = new QGridLayout(panel);
  int r = 0;
  auto add = [&](QLabel* label, QWidget* field) {
    grid->addWidget(label, r, 0);
    grid->addWidget(field, r, 1, Qt::AlignLeft);
    ++r;
  };
  // The wide fields stand below their labels, leaving the lists their width.
  auto add_below = [&](QLabel* label, QWidget* field) {
    grid->addWidget(label, r++, 0, 1, 2);
    grid->addWidget(field, r++, 0, 1, 2, Qt::AlignLeft);
  };
  label_n0_ = NewLabel(panel, "Label_N0", "Starting number");
  spin_nfirst_ = NewSpin(panel, "SpinNfirst", 1, 1000, 1);
  add(label_n0_, spin_nfirst_);
  label_nvar_ = NewLabel(panel, "LabelNvar", "Number of problems");
  spin_nvar_ = NewSpin(panel, "SpinN_var", 1, 40, 1);
  add(label_nvar_, spin_nvar_);
  label3_ = NewLabel(panel, "Label3", "Set number");
  spin_edit3_ = NewSpin(panel, "SpinEdit3", 1, 10000, 1);
  add(label3_, spin_edit3_);
  label9_ = NewLabel(panel, "Label9", "Set of questions");
  spin_edit4_ = NewSpin(panel, "SpinEdit4", 0, 99, 0);
  add(label9_, spin_edit4_);
  label_uroven_ = NewLabel(panel, "LabelUroven", "Level");
  spin_uroven_ = NewSpin(panel, "SpinUroven", 1, 10, 1);
  spin_uroven_->setToolTip(QString::fromUtf8("1 - простейшие задачи"));
  add(label_uroven_, spin_uroven_);

  rg1_ = new QGroupBox(panel);
  rg1_->setObjectName("RG1");
  new QVBoxLayout(rg1_);
  rg1_buttons_ = new QButtonGroup(rg1_);
  grid->addWidget(rg1_, r++, 0, 1, 2);

  labdata_ = NewLabel(panel, "Labdata", "Date");
  edit_data_ = new QLineEdit(panel);
  edit_data_->setObjectName("EditData");
  add_below(labdata_, edit_data_);
  label6_ = NewLabel(panel, "Label6", "Вуз");
  vuz_ = new QComboBox(panel);
  vuz_->setObjectName("VuzComboBox");
  vuz_->setEditable(true);
  add_below(label6_, vuz_);
  label7_ = NewLabel(panel, "Label7", "Department");
  kaf_ = new QComboBox(panel);
  kaf_->setObjectName("KafComboBox");
  kaf_->setEditable(true);
  add_below(label7_, kaf_);

  button_del_ = new QPushButton("Update File", panel);
  button_del_->setObjectName("ButtonDeL");
  grid->addWidget(button_del_, r++, 0, 1, 2, Qt::AlignLeft);
  grid->setRowStretch(r, 1);
  grid->setColumnStretch(2, 1);
  return panel;
}

void MainWindow::CreateTabs() {
  pages_ = new QTabWidget(this);
  pages_->setObjectName("PageControl1");
  for (int k = 1; k <= 9; ++k) {
    auto* page = new QWidget(pages_);
    page->setObjectName(QString("TabSheet%1").arg(k));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(1, 2, 1, 2);
    auto* list = new QListWidget(page);
    list->setObjectName(QString("ListBox%1").arg(k));
    layout->addWidget(list);
    lists_[k - 1] = list;
    const std::string_view caption = FindSubject(DefaultSubjectTable(), k)->Caption;
    pages_->addTab(page, QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
  }
}

QAction* MainWindow::AddAction(QMenu* menu, const QString& text, const char* name,
                               void (MainWindow::*slot)(), const QKeySequence& shortcut) {
  auto* action = new QAction(text, this);
  action->setObjectName(name);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  if (slot != nullptr) connect(action, &QAction::triggered, this, slot);
  if (menu != nullptr) {
    menu->addAction(action);
  } else {
    menuBar()->addAction(action);
  }
  return action;
}

QAction* MainWindow::AddHelp(QMenu* menu, const QString& text, const char* name,
                             const char* message) {
  auto* action = new QAction(text, this);
  action->setObjectName(name);
  connect(action, &QAction::triggered, this, [this, message] { platform_.ShowMessage(message); });
  menu->addAction(action);
  return action;
}

void MainWindow::CreateMenus() {
  start_ = AddAction(nullptr, "Start", "N1", &MainWindow::Start, QKeySequence(Qt::Key_F2));
  super_pdf_ = AddAction(nullptr, "SuperPDF", "N1111", &MainWindow::RunSuperPdfCommand);
  yap_ = AddAction(nullptr, "Yap", "Yap1", &MainWindow::RunDviViewerCommand,
                   QKeySequence(Qt::Key_F7));
  ps_ = AddAction(nullptr, "Ps", "Ps1", &MainWindow::RunDvipsCommand);
  pdf_ = AddAction(nullptr, "PDF", "pdf", &MainWindow::RunPdfCommand);
  gsview_ = AddAction(nullptr, "GsView", "GsView", &MainWindow::RunPsViewerCommand);
  set1_ = AddAction(nullptr, "Set 1", "vpr1", &MainWindow::ShowQuestionList1);
  set2_ = AddAction(nullptr, "Set 2", "vpr2", &MainWindow::ShowQuestionList2);

  QMenu* options = menuBar()->addMenu("Options");
  options->setObjectName("OptionsMenu");
  QAction* options_action = options->menuAction();
  options_action->setObjectName("N8");
  options_action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  connect(options_action, &QAction::triggered, this,
          [this, options_action] { menuBar()->setActiveAction(options_action); });
  AddAction(options, "Path to GsView", "GsView1", &MainWindow::ChoosePsViewerCommand,
            QKeySequence(Qt::CTRL | Qt::Key_G));
  margins_ = AddAction(options, "Margins", "N11", nullptr, QKeySequence(Qt::CTRL | Qt::Key_P));
  margins_->setCheckable(true);
  connect(margins_, &QAction::toggled, this, [this](bool on) { session_.Margins = on; });
  individual_ = AddAction(options, "Individual tasks", "NameMenu", nullptr,
                          QKeySequence(Qt::CTRL | Qt::Key_I));
  individual_->setCheckable(true);
  connect(individual_, &QAction::triggered, this, &MainWindow::ToggleStudentsMode);
  answers_ = AddAction(options, "Answers", "otvmenu", &MainWindow::ToggleAnswers);
  answers_->setCheckable(true);
  ticket_problem_ = AddAction(options, "Problem in the ticket", "N12",
                              &MainWindow::ToggleTicketProblem);
  ticket_problem_->setCheckable(true);

  students_ = AddAction(nullptr, "Students", "N9", &MainWindow::ShowStudents);

  QMenu* help = menuBar()->addMenu("Help");
  help->setObjectName("HelpMenu");
  AddHelp(help, "What can the program", "N4", kHelp1);
  AddHelp(help, "Button Start", "N6", kHelp2);
  AddHelp(help, "Button Dvi", "Dvi2", kHelp3);
  AddHelp(help, "Button Yap", "Yap2", kHelp4);
  AddHelp(help, "Button Ps", "Ps2", kHelp5);
  AddHelp(help, "Button Options", "N13", kHelp6);
  AddHelp(help, "Individual tasks", "N10", kHelp7);
  AddAction(help, "Information", "N7", &MainWindow::ShowAbout);

  colloquium_list_ = AddAction(nullptr, "List", "N14", &MainWindow::ShowColloquium);
}

void MainWindow::ApplyLayout(const MainWindowLayout& l) {
  QFont window_font("Arial");
  window_font.setPointSize(l.FontSize);
  setFont(window_font);
  // The tab captions one point below the window font, so that all nine stand side by side.
  QFont tab_font = window_font;
  tab_font.setItalic(true);
  tab_font.setPointSize(std::max(1, l.FontSize - 1));
  pages_->setFont(tab_font);
  pages_->setMinimumWidth(std::min(l.TabControlWidth, l.WindowWidth - 40));
  pages_->setMinimumHeight(std::max(100, std::min(l.TabControlHeight, l.WindowHeight - 80)));
  vuz_->setFixedWidth(l.ComboBoxWidth);
  kaf_->setFixedWidth(l.ComboBoxWidth);
  QFont list_font = window_font;
  list_font.setPointSize(std::max(1, l.ListBoxFontSize));
  list_font.setItalic(false);
  for (QListWidget* list : lists_) list->setFont(list_font);
  resize(l.WindowWidth, l.WindowHeight);
}

void MainWindow::StartUp() {
  students_->setVisible(false);
  label3_->setVisible(true);
  button_del_->setVisible(false);
  UpdateIndividualModeControls();
  margins_->setChecked(false);

  const auto [screen_width, screen_height] = platform_.ScreenSize();
  ApplyLayout(LayoutMainWindow(screen_width, screen_height));

  const StartFileRows rows = shell::StartUp(s_, session_, platform_);
  for (const auto& row : rows.departments) kaf_->addItem(QString::fromStdString(row));
  for (const auto& row : rows.universities) vuz_->addItem(QString::fromStdString(row));
  spin_uroven_->setValue(session_.LevelControl);
  ProgramCaption();

  pdf_->setVisible(false);
  gsview_->setVisible(false);
  yap_->setVisible(false);
  ps_->setVisible(false);

  spin_edit4_->setValue(s_.QuestionSetNumber);
  edit_data_->setText(QString::fromStdString(s_.TicketDate));

  spin_nfirst_->setValue(s_.FirstNumber);
  spin_uroven_->setMaximum(10);
  spin_nvar_->setValue(s_.VariantCount);
  spin_edit3_->setValue(s_.SetNumber);

  const SubjectTable& table = DefaultSubjectTable();
  for (int k = 1; k <= 9; ++k) {
    for (int n = 1; n <= ProblemCount(table, k); ++n) {
      lists_[k - 1]->addItem(QString::number(n) + ". " +
                             QString::fromUtf8(ProblemTitle(table, k, n).data(),
                                               static_cast<qsizetype>(ProblemTitle(table, k, n).size())));
    }
  }

  individual_->setChecked(s_.StudentsMode);
  answers_->setChecked(s_.AnswersOn);
  ticket_problem_->setChecked(s_.TicketProblemOn);
  if (s_.SubjectIndex >= 1 && s_.SubjectIndex <= 9) pages_->setCurrentIndex(s_.SubjectIndex - 1);
  for (int k = 1; k <= 9; ++k) lists_[k - 1]->setCurrentRow(s_.SavedProblems[k] - 1);

  const char* items[3] = {"Problems", "Examination Tickets", "Colloquium"};
  for (int i = 0; i < 3; ++i) {
    auto* button = new QRadioButton(items[i], rg1_);
    button->setObjectName(QString("RG1Item%1").arg(i));
    rg1_->layout()->addWidget(button);
    rg1_buttons_->addButton(button, i);
  }
  if (QAbstractButton* selected = rg1_buttons_->button(s_.DocumentMode)) selected->setChecked(true);
  SwitchMode(s_.DocumentMode);

  kaf_->setCurrentIndex(s_.DepartmentIndex < kaf_->count() ? s_.DepartmentIndex : -1);
  vuz_->setCurrentIndex(s_.UniversityIndex < vuz_->count() ? s_.UniversityIndex : -1);
}

void MainWindow::ConnectControls() {
  connect(spin_nfirst_, &QSpinBox::valueChanged, this, [this](int v) { s_.FirstNumber = v; });
  connect(spin_nvar_, &QSpinBox::valueChanged, this, [this](int v) { s_.VariantCount = v; });
  connect(spin_edit3_, &QSpinBox::valueChanged, this, [this](int v) { s_.SetNumber = v; });
  connect(spin_uroven_, &QSpinBox::valueChanged, this, [this](int v) {
    s_.Level = v;
    session_.LevelControl = v;
  });
  connect(spin_edit4_, &QSpinBox::valueChanged, this, [this](int v) {
    s_.QuestionSetNumber = v;
    LoadTicketQuestions(s_, platform_, session_.StartDirectory);
  });
  connect(edit_data_, &QLineEdit::editingFinished, this, [this] {
    SetTicketDate(s_, edit_data_->text().toStdString());
  });
  connect(rg1_buttons_, &QButtonGroup::idClicked, this, &MainWindow::SwitchMode);
  for (int k = 1; k <= 9; ++k) {
    QListWidget* list = lists_[k - 1];
    connect(list, &QListWidget::currentRowChanged, this,
            [this, k](int row) { s_.SavedProblems[k] = row + 1; });
  }
  connect(button_del_, &QPushButton::clicked, this, &MainWindow::UpdateParameterFile);
  connect(qApp, &QApplication::focusChanged, this, &MainWindow::FocusChanged);
}

void MainWindow::CreateListWindows() {
  list1_window_ = new QuestionListWindow(1, s_, platform_, session_.StartDirectory, this);
  list2_window_ = new QuestionListWindow(2, s_, platform_, session_.StartDirectory, this);
  students_window_ = new StudentsWindow(s_, platform_, session_.StartDirectory, this);
  connect(students_window_, &StudentsWindow::StudentsFileChosen, this,
          [this](const QString& name) { setWindowTitle(name); });
  colloquium_window_ = new ColloquiumWindow(s_, session_, platform_, this);
}

void MainWindow::ProgramCaption() {
  std::string caption = std::string(kProgramTitle) + "    ";
  if (s_.StudentsMode) caption += s_.GroupName;
  setWindowTitle(QString::fromStdString(caption));
}

void MainWindow::UpdateIndividualModeControls() {
  students_->setVisible(s_.StudentsMode);
  spin_nfirst_->setVisible(!s_.StudentsMode);
  label_n0_->setVisible(!s_.StudentsMode);
  spin_nvar_->setVisible(!s_.StudentsMode);
  label_nvar_->setVisible(!s_.StudentsMode);
}

void MainWindow::SwitchMode(int mode) {
  for (int k = 1; k <= 9; ++k) lists_[k - 1]->setCurrentRow(s_.SavedProblems[k] - 1);
  s_.TicketMode = false;
  const bool problems = mode == 0;
  const bool tickets = mode == 1;
  const bool colloquium = mode == 2;
  if (colloquium) {
    s_.StudentsMode = true;
    // The check mark shows the mode it switches.
    individual_->setChecked(true);
  }
  if (tickets || colloquium) s_.TicketMode = true;
  if (problems || tickets) {
    lists_[0]->setSelectionMode(tickets ? QAbstractItemView::ExtendedSelection
                                        : QAbstractItemView::SingleSelection);
  }
  if (problems || tickets || colloquium) {
    labdata_->setVisible(tickets);
    edit_data_->setVisible(tickets);
    set1_->setVisible(tickets);
    set2_->setVisible(tickets);
    label6_->setVisible(tickets);
    label7_->setVisible(tickets);
    label9_->setVisible(tickets);
    vuz_->setVisible(tickets);
    kaf_->setVisible(tickets);
    spin_edit4_->setVisible(tickets);
    colloquium_list_->setVisible(colloquium);
    label_nvar_->setVisible(true);
    spin_nvar_->setVisible(problems);
    pages_->setVisible(!colloquium);
    spin_uroven_->setVisible(!colloquium);
    label_uroven_->setVisible(!colloquium);
    // In the colloquium the set number is the number of sets the Start writes.
    label3_->setText(colloquium ? "Number of sets" : "Set number");
    label3_->setVisible(problems ? !s_.StudentsMode : true);
    spin_edit3_->setVisible(problems ? !s_.StudentsMode : true);
  }
  UpdateIndividualModeControls();
  s_.DocumentMode = mode;
}

void MainWindow::ToggleStudentsMode() {
  s_.StudentsMode = individual_->isChecked();
  // The students' variants are numbered from 1 by the Start itself: "Starting number" keeps
  // its value for when the option is switched off again.
  if (s_.StudentsMode) {
    setWindowTitle(QString::fromStdString(s_.StudentsFileName));
  } else {
    setWindowTitle(QString());
  }
  const bool set_shown = s_.DocumentMode != 0 || !s_.StudentsMode;
  label3_->setVisible(set_shown);
  spin_edit3_->setVisible(set_shown);
  students_->setVisible(s_.StudentsMode);
  UpdateIndividualModeControls();
}

void MainWindow::ToggleAnswers() { s_.AnswersOn = answers_->isChecked(); }

void MainWindow::ToggleTicketProblem() { s_.TicketProblemOn = ticket_problem_->isChecked(); }

void MainWindow::Start() {
  if (s_.StudentsMode) button_del_->setVisible(true);
  s_.SubjectIndex = pages_->currentIndex() + 1;
  // What the controls show is what the Start uses, whatever was toggled since.
  s_.FirstNumber = spin_nfirst_->value();
  s_.VariantCount = spin_nvar_->value();
  s_.SetNumber = spin_edit3_->value();
  if (s_.DocumentMode == 1) KeepTypedRows();
  // The lists as their windows show them now, group and names from the same list.
  if (s_.DocumentMode == 2) {
    colloquium_window_->CopyToRun();
  } else if (s_.StudentsMode) {
    students_window_->CopyToRun();
  }
  s_.DepartmentName = kaf_->currentText().toStdString();
  s_.UniversityName = vuz_->currentText().toStdString();
  SetTicketDate(s_, edit_data_->text().toStdString());
  session_.LevelControl = spin_uroven_->value();
  session_.Margins = margins_->isChecked();
  // The ticket run's problem is the selected row as well; the shell reads it only for sets.
  ReadSelectedProblem(s_);
  // A failed Start has been told; the TeX menu must not offer a document that was not made.
  if (!shell::Start(s_, session_, platform_)) return;
  yap_->setVisible(true);
  ps_->setVisible(true);
  setWindowTitle(Caption("   Data File  " + s_.ParameterFilePath));
}

void MainWindow::UpdateParameterFile() {
  setWindowTitle(Caption("   Data file  " + s_.ParameterFilePath));
  shell::UpdateParameterFile(s_, platform_);
}

void MainWindow::KeepTypedRows() {
  const auto keep = [this](QComboBox* box, const char* file) {
    std::vector<std::string> rows;
    for (int i = 0; i < box->count(); ++i) rows.push_back(box->itemText(i).toStdString());
    const std::string typed = box->currentText().toStdString();
    if (box->currentIndex() >= 0 && box->itemText(box->currentIndex()) == box->currentText()) return;
    int index = -1;
    const std::vector<std::string> kept =
        KeepTypedComboRow(platform_, session_.StartDirectory / file, rows, typed, index);
    if (index < 0) return;
    box->clear();
    for (const auto& row : kept) box->addItem(QString::fromStdString(row));
    box->setCurrentIndex(index);
  };
  keep(kaf_, "kaf.txt");
  keep(vuz_, "vuz.txt");
}

void MainWindow::RunDviViewerCommand() { RunDviViewer(s_, platform_, session_.StartDirectory); }

void MainWindow::RunDvipsCommand() {
  RunDvips(s_, platform_, session_.StartDirectory, session_.Status);
  gsview_->setVisible(true);
  pdf_->setVisible(true);
}

void MainWindow::RunPdfCommand() {
  RunGhostscript(platform_, session_.StartDirectory, s_.OutputName, session_.Status);
}

void MainWindow::RunPsViewerCommand() { RunPsViewer(s_, platform_, session_.StartDirectory); }

void MainWindow::RunSuperPdfCommand() {
  RunSuperPdf(s_, platform_, session_.StartDirectory, session_.Status);
}

void MainWindow::ChoosePsViewerCommand() { ChoosePsViewer(s_, platform_); }

void MainWindow::ShowAbout() {
  platform_.ShowMessage(std::string(kProgramTitle) + " " + TARBEL_VERSION +
                        "\nIndividual assignments in mathematics and mechanics, written as "
                        "LaTeX documents with their answers.");
}

void MainWindow::ShowQuestionList1() { list1_window_->show(); }

void MainWindow::ShowQuestionList2() { list2_window_->show(); }

void MainWindow::ShowStudents() { students_window_->show(); }

void MainWindow::ShowColloquium() { colloquium_window_->show(); }

void MainWindow::FocusChanged(QWidget* old, QWidget* now) {
  const bool was_inside = old != nullptr && pages_->isAncestorOf(old);
  const bool is_inside = now != nullptr && pages_->isAncestorOf(now);
  if (is_inside && !was_inside) {
    yap_->setVisible(false);
    UpdateIndividualModeControls();
  }
}

bool MainWindow::IsTextField(QWidget* w) const {
  for (; w != nullptr && w != this; w = w->parentWidget()) {
    if (qobject_cast<QLineEdit*>(w) != nullptr || qobject_cast<QAbstractSpinBox*>(w) != nullptr ||
        qobject_cast<QComboBox*>(w) != nullptr || qobject_cast<QTextEdit*>(w) != nullptr ||
        qobject_cast<QPlainTextEdit*>(w) != nullptr) {
      return true;
    }
  }
  return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && (widget == this || isAncestorOf(widget)) &&
        widget->window() == this) {
      const auto* key = static_cast<QKeyEvent*>(event);
      const bool plain_q = key->key() == Qt::Key_Q &&
                           (key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
      QWidget* focus = focusWidget() != nullptr ? focusWidget() : widget;
      if (plain_q && !IsTextField(focus)) {
        close();
        return true;
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::SaveOnClose() {
  if (saved_) return;
  saved_ = true;
  // Edits in a list window that is still open are not lost with the program.
  for (QMainWindow* w : std::initializer_list<QMainWindow*>{list1_window_, list2_window_,
                                                           students_window_, colloquium_window_}) {
    if (w != nullptr && w->isVisible()) w->close();
  }
  SetTicketDate(s_, edit_data_->text().toStdString());
  // A folder that cannot be written was told at start-up; nothing is saved in it.
  if (!session_.StartDirectoryWritable) return;
  KeepTypedRows();
  SaveQuestionIndexFile(s_, platform_);
  if (kaf_->currentIndex() >= 0) s_.DepartmentIndex = kaf_->currentIndex();
  if (vuz_->currentIndex() >= 0) s_.UniversityIndex = vuz_->currentIndex();
  s_.SubjectIndex = pages_->currentIndex() + 1;
  s_.Level = spin_uroven_->value();
  SaveSettings(s_, platform_, session_.StartDirectory, s_.StudentsMode ? 1 : 0,
               s_.AnswersOn ? 1 : 0);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  SaveOnClose();
  event->accept();
}

}  // namespace shell::ui
