#pragma once

#include <QMainWindow>
#include <QString>

#include "shell/main_window_layout.h"
#include "shell/platform.h"
#include "shell/start.h"
#include "subjects/shared_state.h"

class QAction;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace shell::ui {

class ColloquiumWindow;
class QuestionListWindow;
class StudentsWindow;

/// The main window: the run controls on the left, the nine subject lists on the right, the
/// menu with Start and the TeX programs. It fills its controls from the start files and the
/// settings at creation, keeps the run's values in the shared state as the controls change,
/// and saves the settings when it closes. It then creates the four list windows (hidden).
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  /// Runs the start-up sequence in session.StartDirectory; s, session and platform must
  /// outlive the window.
  MainWindow(SharedState& s, ShellSession& session, Platform& platform, QWidget* parent = nullptr);
  /// Disconnects every signal that reaches the window before its children go.
  ~MainWindow() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  /// The status line, and session.Status writing to it.
  void CreateStatusLine();
  QWidget* CreateRunPanel();
  void CreateTabs();
  void CreateMenus();
  QAction* AddAction(QMenu* menu, const QString& text, const char* name, void (MainWindow::*slot)(),
                     const QKeySequence& shortcut = QKeySequence());
  QAction* AddHelp(QMenu* menu, const QString& text, const char* name, const char* message);
  void CreateListWindows();
  void ConnectControls();
  void ApplyLayout(const MainWindowLayout& layout);

  void StartUp();
  void UpdateIndividualModeControls();
  void SwitchMode(int mode);
  void ToggleStudentsMode();
  void ToggleAnswers();
  void ToggleTicketProblem();
  void Start();
  void UpdateParameterFile();
  /// A university or department typed into its combo box becomes a row of its list file
  /// (vuz.txt, kaf.txt), so that it is there at the next start.
  void KeepTypedRows();
  void RunDviViewerCommand();
  void RunDvipsCommand();
  void RunPdfCommand();
  void RunPsViewerCommand();
  void RunSuperPdfCommand();
  void ChoosePsViewerCommand();
  void ShowAbout();
  void ShowQuestionList1();
  void ShowQuestionList2();
  void ShowStudents();
  void ShowColloquium();
  void FocusChanged(QWidget* old, QWidget* now);
  void ProgramCaption();
  /// Saves what the window holds: the open list windows, the ticket question file and the
  /// settings.
  void SaveOnClose();
  bool IsTextField(QWidget* w) const;

  SharedState& s_;
  ShellSession& session_;
  Platform& platform_;
  bool saved_ = false;

  QLabel* label_n0_ = nullptr;
  QSpinBox* spin_nfirst_ = nullptr;
  QLabel* label_nvar_ = nullptr;
  QSpinBox* spin_nvar_ = nullptr;
  QLabel* label3_ = nullptr;
  QSpinBox* spin_edit3_ = nullptr;
  QLabel* label9_ = nullptr;
  QSpinBox* spin_edit4_ = nullptr;
  QLabel* label_uroven_ = nullptr;
  QSpinBox* spin_uroven_ = nullptr;
  QGroupBox* rg1_ = nullptr;
  QButtonGroup* rg1_buttons_ = nullptr;
  QLabel* labdata_ = nullptr;
  QLineEdit* edit_data_ = nullptr;
  QLabel* label6_ = nullptr;
  QComboBox* vuz_ = nullptr;
  QLabel* label7_ = nullptr;
  QComboBox* kaf_ = nullptr;
  QPushButton* button_del_ = nullptr;
  QTabWidget* pages_ = nullptr;
  QListWidget* lists_[9] = {};

  QAction* start_ = nullptr;
  QAction* super_pdf_ = nullptr;
  QAction* yap_ = nullptr;
  QAction* ps_ = nullptr;
  QAction* pdf_ = nullptr;
  QAction* gsview_ = nullptr;
  QAction* set1_ = nullptr;
  QAction* set2_ = nullptr;
  QAction* margins_ = nullptr;
  QAction* individual_ = nullptr;
  QAction* answers_ = nullptr;
  QAction* ticket_problem_ = nullptr;
  QAction* students_ = nullptr;
  QAction* colloquium_list_ = nullptr;

  QuestionListWindow* list1_window_ = nullptr;
  QuestionListWindow* list2_window_ = nullptr;
  StudentsWindow* students_window_ = nullptr;
  ColloquiumWindow* colloquium_window_ = nullptr;
};

}  // namespace shell::ui
