// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/unit1.h"

#include "core/dialog_behaviour.h"
#include "core/document_file.h"
#include "core/edit_behaviour.h"
#include "core/error.h"
#include "core/font_size.h"
#include "core/line_rules.h"
#include "core/replace.h"
#include "core/search.h"
#include "gtk/builder_widget.h"
#include "gtk/clipping_bin.h"
#include "gtk/key_event.h"
#include "gtk/unit2.h"

#include <glibmm/exceptionhandler.h>
#include <gtkmm/cssprovider.h>
#include <glibmm/main.h>
#include <gtkmm/eventbox.h>
#include <gtkmm/textview.h>

#include <cstdlib>

namespace tagpad {
namespace {

constexpr const char* Ui = "unit1.ui";
constexpr int Left = 454;
constexpr int Top = 149;
// The client area below the menu bar at the start.
constexpr int ClientWidth = 968;
constexpr int ClientHeightBelowMenu = 661;

// The design's rows start below the menu bar, which is as high as the
// toolkit draws it.
int start_height(const Glib::RefPtr<Gtk::Builder>& builder) {
  int minimum = 0, natural = 0;
  widget<Gtk::MenuBar>(builder, Ui, "MainMenu1").get_preferred_height(minimum, natural);
  return natural + ClientHeightBelowMenu;
}

// The panes' contents never make the window larger than the splitter and
// the window's size leave them: what does not fit is cut off.
void let_panes_shrink(const Glib::RefPtr<Gtk::Builder>& builder, Gtk::Widget& web_view) {
  ClippingBin::wrap(widget<Gtk::Toolbar>(builder, Ui, "ToolBar1"), Gtk::ORIENTATION_HORIZONTAL);
  ClippingBin::wrap(widget<Gtk::Widget>(builder, Ui, "MemoScroller"), Gtk::ORIENTATION_VERTICAL);
  ClippingBin::wrap(web_view, Gtk::ORIENTATION_VERTICAL);
}

}  // namespace

std::unique_ptr<TForm1> TForm1::create(Services& services) {
  auto builder = Gtk::Builder::create_from_resource("/org/tagpad/unit1.ui");
  TForm1* form = nullptr;
  builder->get_widget_derived("TForm1", form, services);
  std::unique_ptr<TForm1> owned(form);
  // An error here skips the rest of FormCreate; the window still comes up.
  try {
    owned->FormCreate();
  } catch (...) {
    Glib::exception_handlers_invoke();
  }
  return owned;
}

TForm1::TForm1(BaseObjectType* object, const Glib::RefPtr<Gtk::Builder>& builder, Services& services)
    : Gtk::Window(object),
      Edit1(widget<Gtk::Entry>(builder, Ui, "Edit1")),
      StatusBar1(widget<Gtk::Label>(builder, Ui, "StatusBar1")),
      Panel1(widget<Gtk::Box>(builder, Ui, "Panel1")),
      Panel2(widget<Gtk::Box>(builder, Ui, "Panel2")),
      Memo(widget<Gtk::TextView>(builder, Ui, "Memo")),
      WebBrowser(services.code_page),
      web_downloads(WebBrowser, services.file_chooser),
      Splitter1(widget<Gtk::EventBox>(builder, Ui, "Splitter1"), widget<Gtk::Widget>(builder, Ui, "SplitterLine"),
                Panel2, Panel1),
      printer_settings(services.printers),
      memo_document(Memo),
      preview_printer(WebBrowser.widget()),
      memo_target(Memo.view()),
      edit1_target(Edit1),
      find_dialog(*this, find_state, false,
                  {.find_next = [this] { find_next(find_target_, find_state); }, .replace = {}, .replace_all = {}}),
      replace_dialog(*this, replace_state, true,
                     {.find_next = [this] { find_next(replace_target_, replace_state); },
                      .replace = [this] { replace_next(); },
                      .replace_all = [this] { replace_every(); }}),
      MainMenu1(widget<Gtk::MenuBar>(builder, Ui, "MainMenu1"), commands.main_menu(), application_hint),
      ToolBar1(widget<Gtk::Toolbar>(builder, Ui, "ToolBar1"), commands.tool_bar(), application_hint),
      navigation(WebBrowser, *this, commands, status_bar),
      preview(WebBrowser, *this, navigation, services.code_page),
      services_(services) {
  move(Left, Top);
  set_default_size(ClientWidth, start_height(builder));
  name_widgets_after_ids(builder);
  commands.set_handler("Action1", [this] { Action1Execute(); });
  commands.set_handler("Action2", [this] { Action2Execute(); });
  commands.set_handler("Action3", [this] { Action3Execute(); });
  commands.set_handler("Action4", [this] { Action4Execute(); });
  commands.set_handler("Action5", [this] { Action5Execute(); });
  commands.set_handler("Action6", [this] { Action6Execute(); });
  commands.set_handler("Action8", [this] { Action8Execute(); });
  commands.set_handler("Action9", [this] { Action9Execute(); });
  commands.set_handler("Action10", [this] { Action10Execute(); });
  commands.set_handler("ActBack", [this] { ActBackExecute(); });
  commands.set_handler("AcFoward", [this] { AcFowardExecute(); });
  commands.set_handler("ActStop", [this] { ActStopExecute(); });
  const std::pair<const char*, EditCommand> edit_commands[] = {
      {"EditCut1", EditCommand::Cut},       {"EditCopy1", EditCommand::Copy},
      {"EditPaste1", EditCommand::Paste},   {"EditUndo1", EditCommand::Undo},
      {"EditSelectAll1", EditCommand::SelectAll}};
  for (const auto& [name, kind] : edit_commands)
    commands.set_behaviour(name, std::make_unique<EditBehaviour>(
                                     kind, focused_target_, clipboard));
  commands.set_behaviour("SearchFind1", std::make_unique<FindBehaviour>(focused_target_,
                                                                       [this](TextTarget& target) {
                                                                         find_target_ = &target;
                                                                         find_dialog.show_dialog();
                                                                       }));
  commands.set_behaviour("SearchReplace1", std::make_unique<FindBehaviour>(focused_target_,
                                                                          [this](TextTarget& target) {
                                                                            replace_target_ = &target;
                                                                            replace_dialog.show_dialog();
                                                                          }));
  commands.set_behaviour("FileOpen1", std::make_unique<DialogBehaviour>([this] { FileOpen1Execute(); }));
  commands.set_behaviour("FilePageSetup1", std::make_unique<DialogBehaviour>([this] { FilePageSetup1Execute(); }));
  commands.set_behaviour("FilePrintSetup1", std::make_unique<DialogBehaviour>([this] { FilePrintSetup1Execute(); }));
  commands.set_behaviour("PrintDlg1", std::make_unique<DialogBehaviour>([this] { PrintDlg1Execute(); }));
  Memo.signal_change().connect(sigc::mem_fun(*this, &TForm1::MemoChange));
  Memo.view().signal_key_press_event().connect(sigc::mem_fun(*this, &TForm1::on_memo_key_press), false);
  Edit1.signal_key_press_event().connect(sigc::mem_fun(*this, &TForm1::on_edit1_key_press), false);
  status_bar.set_on_changed([this] { StatusBar1.set_text(std::string(status_bar.displayed_text())); });
  widget<Gtk::Box>(builder, Ui, "WebBrowserHost").pack_start(WebBrowser.widget(), true, true);
  WebBrowser.widget().show();
  let_panes_shrink(builder, WebBrowser.widget());
  apply_memo_font();

  WebBrowser.signal_before_navigate2().connect(sigc::mem_fun(*this, &TForm1::WebBrowserBeforeNavigate2));
  WebBrowser.signal_download_begin().connect(sigc::mem_fun(*this, &TForm1::WebBrowserDownloadBegin));
  WebBrowser.signal_download_complete().connect(sigc::mem_fun(*this, &TForm1::WebBrowserDownloadComplete));
  WebBrowser.signal_status_text_change().connect(sigc::mem_fun(*this, &TForm1::WebBrowserStatusTextChange));
  signal_delete_event().connect(sigc::mem_fun(*this, &TForm1::on_delete), false);
  signal_key_press_event().connect(sigc::mem_fun(*this, &TForm1::on_key_press), false);
  // The commands refresh when the program falls idle after an event, not in
  // a loop of its own, so a program left alone sleeps.
  signal_event_after().connect([this](GdkEvent*) { queue_idle_refresh(); });
  // A wait for the engine may be running below this handler; it must end
  // so that the main loop can.
  signal_hide().connect([this] { WebBrowser.abandon_waits(); });
}

TForm1::~TForm1() = default;

void TForm1::apply_memo_font() {
  if (!memo_font_) {
    memo_font_ = Gtk::CssProvider::create();
    Memo.view().get_style_context()->add_provider(memo_font_, GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  }
  // A negative height is the character height, a positive one the cell's;
  // CSS sizes the character, so both read as that many pixels.
  memo_font_->load_from_data("textview { font-family: \"MS Sans Serif\", \"NanumGothic\", sans-serif; font-size: " +
                             std::to_string(std::abs(memo_font_height)) + "px; }");
}

int TForm1::screen_ppi() const {
  const double resolution = get_screen()->get_resolution();
  return resolution > 0 ? static_cast<int>(resolution + 0.5) : 96;
}

bool TForm1::on_memo_key_press(GdkEventKey* event) {
  const guint keyval = first_layout_keyval(*event);
  unsigned key = keyval;
  if (keyval == GDK_KEY_Tab || keyval == GDK_KEY_ISO_Left_Tab) key = 9;
  if (keyval == GDK_KEY_Return || keyval == GDK_KEY_KP_Enter) key = 13;
  MemoKeyDown(key, {(event->state & GDK_SHIFT_MASK) != 0, (event->state & GDK_CONTROL_MASK) != 0,
                    (event->state & GDK_MOD1_MASK) != 0});
  return MemoKeyPress();
}

void TForm1::MemoKeyDown(unsigned key, KeySuppression::Modifiers shift) { SuppressKey.key_down(key, shift); }

bool TForm1::MemoKeyPress() { return SuppressKey.discards_char(); }

void TForm1::MemoChange() {
  status_bar.set_single_text_mode(true);
  status_bar.set_single_text(line_count_text(line_count(Memo.line_count(), Memo.last_line_empty())));
}

void TForm1::Action8Execute() {
  memo_font_height = stepped_font_height(memo_font_height, screen_ppi(), FontStep::Larger);
  apply_memo_font();
}

void TForm1::Action9Execute() {
  memo_font_height = stepped_font_height(memo_font_height, screen_ppi(), FontStep::Smaller);
  apply_memo_font();
}

bool TForm1::on_delete(GdkEventAny*) {
  hide();
  return true;
}

void TForm1::queue_idle_refresh() {
  if (idle_refresh_queued_) return;
  idle_refresh_queued_ = true;
  // Bound to the window, which is trackable: the source goes with it.
  Glib::signal_idle().connect_once(sigc::mem_fun(*this, &TForm1::idle_refresh));
}

void TForm1::idle_refresh() {
  idle_refresh_queued_ = false;
  if (!get_visible() || !get_sensitive() || get_modal()) return;
  FocusedTarget::Hold one_lookup(focused_target_);
  commands.idle_refresh();
}

bool TForm1::on_key_press(GdkEventKey* event) {
  ToolBar1.dismiss_tooltip();
  // The preview sees a key first while it has the focus; what it leaves
  // comes back here.
  if (get_focus() == &WebBrowser.widget() && gtk_window_propagate_key_event(gobj(), event)) return true;
  const auto key = shortcut_for_key(gdk_keyval_to_unicode(first_layout_keyval(*event)),
                                    {.ctrl = (event->state & GDK_CONTROL_MASK) != 0,
                                     .shift = (event->state & GDK_SHIFT_MASK) != 0,
                                     .alt = (event->state & GDK_MOD1_MASK) != 0,
                                     .alt_gr = (event->state & GDK_MOD5_MASK) != 0});
  if (!key) return false;
  FocusedTarget::Hold one_lookup(focused_target_);
  return commands.dispatch_shortcut(*key);
}

void TForm1::FormCreate() {
  application_hint.set_on_changed([this] { ShowHint(); });
  OD.settings.initial_dir = services_.program_folder;
  SD.settings.initial_dir = OD.settings.initial_dir;
  preview.show_source_text();
  navigation.create_history_list();
}

void TForm1::ShowHint() { status_bar.show_hint(application_hint.text()); }

void TForm1::Action1Execute() { preview.new_document(); }

void TForm1::Action2Execute() {
  if (SD.execute(services_.file_chooser))
    save_document(services_.file_system, SD.file_name(), services_.code_page, memo_document);
}

void TForm1::Action3Execute() {
  if (OD.execute(services_.file_chooser))
    open_document(services_.file_system, OD.file_name(), services_.code_page, memo_document);
}

void TForm1::Action4Execute() { close(); }

void TForm1::Action5Execute() { preview.run(); }

void TForm1::Action6Execute() {
  // A box of its own for each use, destroyed when it closes or fails.
  auto about = TForm2::create(this);
  about->ShowModal();
}

void TForm1::Action10Execute() { preview.view_document_source(); }

TextTarget* TForm1::focused_text_target() {
  if (get_focus() == &Memo.view()) return &memo_target;
  if (get_focus() == &Edit1) return &edit1_target;
  return nullptr;
}

void TForm1::not_found(const FindDialogState& state) {
  services_.message_boxes.show_plain(not_found_message(state.search_text()));
}

void TForm1::find_next(TextTarget* target, const FindDialogState& state) {
  if (target && Search(*target, state.search_text(), state.direction(), state.options()).find_next()) return;
  not_found(state);
}

void TForm1::replace_next() {
  if (replace_target_ &&
      replace(*replace_target_, replace_state.search_text(), replace_state.replacement_text(), replace_state.options()))
    return;
  not_found(replace_state);
}

void TForm1::replace_every() {
  if (replace_target_ && replace_all(*replace_target_, replace_state.search_text(), replace_state.replacement_text(),
                                     replace_state.options()) > 0)
    return;
  not_found(replace_state);
}

bool TForm1::on_edit1_key_press(GdkEventKey* event) {
  if (event->keyval != GDK_KEY_Return && event->keyval != GDK_KEY_KP_Enter) return false;
  char key = '\r';
  Edit1KeyPress(key);
  return key == 0;
}

void TForm1::Edit1KeyPress(char& Key) { navigation.address_key(Key); }

void TForm1::ActBackExecute() { navigation.back(); }

void TForm1::AcFowardExecute() { navigation.forward(); }

void TForm1::ActStopExecute() { navigation.stop(); }

void TForm1::FileOpen1Execute() { OpenDialog1.execute(services_.file_chooser); }

void TForm1::FilePageSetup1Execute() {
  const PrinterSelection& printer = printer_settings.printer();
  if (auto chosen = services_.print_dialogs.page_setup(printer_settings.page_setup(), locale_measure_unit(), printer))
    printer_settings.accept_page_setup(chosen->values, chosen->printer);
}

void TForm1::FilePrintSetup1Execute() {
  if (auto chosen = services_.print_dialogs.printer_setup(printer_settings.printer()))
    printer_settings.accept_printer_setup(*chosen);
}

void TForm1::PrintDlg1Execute() {
  const PrinterSelection& printer = printer_settings.printer();
  auto chosen = services_.print_dialogs.print(printer_settings.print_dialog(), printer);
  if (!chosen) return;
  printer_settings.accept_print(chosen->values, chosen->printer);
  preview_printer.print(printer_settings.printer(), printer_settings.page_setup(), locale_measure_unit());
}

void TForm1::WebBrowserBeforeNavigate2(const std::string& url) { navigation.before_navigate(url); }

void TForm1::WebBrowserDownloadBegin() { navigation.download_begin(); }

void TForm1::WebBrowserDownloadComplete() { navigation.download_complete(); }

void TForm1::WebBrowserStatusTextChange(const std::string& text) { navigation.status_text_change(text); }

std::string TForm1::source_text() const { return Memo.text(); }

void TForm1::set_source_text(const std::string& text) { Memo.set_text(text); }

void TForm1::add_source_line(const std::string& line) { Memo.add_line(line); }

std::string TForm1::address_text() const { return Edit1.get_text(); }

void TForm1::set_address_text(const std::string& text) { edit1_target.set_text(text); }

void TForm1::set_caption(const std::string& caption) { set_title(caption); }

}  // namespace tagpad
