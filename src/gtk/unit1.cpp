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
#include <glibmm/main.h>
#include <gtkmm/cssprovider.h>
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
      services_(services),
      Edit1(widget<Gtk::Entry>(builder, Ui, "Edit1")),
      StatusBar1(widget<Gtk::Label>(builder, Ui, "StatusBar1")),
      Panel1(widget<Gtk::Box>(builder, Ui, "Panel1")),
      Panel2(widget<Gtk::Box>(builder, Ui, "Panel2")),
      Memo(widget<Gtk::TextView>(builder, Ui, "Memo")),
      Splitter1(widget<Gtk::EventBox>(builder, Ui, "Splitter1"), widget<Gtk::Widget>(builder, Ui, "SplitterLine"),
                Panel2, Panel1),
      MainMenu1(widget<Gtk::MenuBar>(builder, Ui, "MainMenu1"), commands_.main_menu(), application_hint_),
      ToolBar1(widget<Gtk::Toolbar>(builder, Ui, "ToolBar1"), commands_.tool_bar(), application_hint_) {
  place(builder);
  bind_commands();
  embed_browser(builder);
  apply_memo_font();
  connect_signals();
}

void TForm1::place(const Glib::RefPtr<Gtk::Builder>& builder) {
  move(Left, Top);
  set_default_size(ClientWidth, start_height(builder));
  name_widgets_after_ids(builder);
}

void TForm1::bind_commands() {
  using Id = CommandId;
  const std::pair<CommandId, void (TForm1::*)()> handlers[] = {
      {Id::Action1, &TForm1::Action1Execute},   {Id::Action2, &TForm1::Action2Execute},
      {Id::Action3, &TForm1::Action3Execute},   {Id::Action4, &TForm1::Action4Execute},
      {Id::Action5, &TForm1::Action5Execute},   {Id::Action6, &TForm1::Action6Execute},
      {Id::Action8, &TForm1::Action8Execute},   {Id::Action9, &TForm1::Action9Execute},
      {Id::Action10, &TForm1::Action10Execute}, {Id::ActBack, &TForm1::ActBackExecute},
      {Id::AcFoward, &TForm1::AcFowardExecute}, {Id::ActStop, &TForm1::ActStopExecute}};
  for (const auto& [id, handler] : handlers) commands_.set_handler(id, sigc::mem_fun(*this, handler));
  const std::pair<CommandId, EditCommand> edit_commands[] = {{Id::EditCut1, EditCommand::Cut},
                                                             {Id::EditCopy1, EditCommand::Copy},
                                                             {Id::EditPaste1, EditCommand::Paste},
                                                             {Id::EditUndo1, EditCommand::Undo},
                                                             {Id::EditSelectAll1, EditCommand::SelectAll}};
  for (const auto& [id, kind] : edit_commands)
    commands_.set_behaviour(id, std::make_unique<EditBehaviour>(kind, focused_target_, clipboard_));
  commands_.set_behaviour(Id::SearchFind1,
                          std::make_unique<FindBehaviour>(focused_target_, sigc::mem_fun(*this, &TForm1::open_find)));
  commands_.set_behaviour(Id::SearchReplace1, std::make_unique<FindBehaviour>(
                                                  focused_target_, sigc::mem_fun(*this, &TForm1::open_replace)));
  const std::pair<CommandId, void (TForm1::*)()> dialogs[] = {{Id::FileOpen1, &TForm1::FileOpen1Execute},
                                                              {Id::FilePageSetup1, &TForm1::FilePageSetup1Execute},
                                                              {Id::FilePrintSetup1, &TForm1::FilePrintSetup1Execute},
                                                              {Id::PrintDlg1, &TForm1::PrintDlg1Execute}};
  for (const auto& [id, handler] : dialogs)
    commands_.set_behaviour(id, std::make_unique<DialogBehaviour>(sigc::mem_fun(*this, handler)));
}

void TForm1::open_find(TextTarget& target) {
  find_target_ = &target;
  find_dialog_.show_dialog();
}

void TForm1::open_replace(TextTarget& target) {
  replace_target_ = &target;
  replace_dialog_.show_dialog();
}

SearchDialog::Handlers TForm1::find_requests() {
  return {.find_next = [this] { find_next(find_target_, find_state_); }, .replace = {}, .replace_all = {}};
}

SearchDialog::Handlers TForm1::replace_requests() {
  return {.find_next = [this] { find_next(replace_target_, replace_state_); },
          .replace = sigc::mem_fun(*this, &TForm1::replace_next),
          .replace_all = sigc::mem_fun(*this, &TForm1::replace_every)};
}

void TForm1::embed_browser(const Glib::RefPtr<Gtk::Builder>& builder) {
  widget<Gtk::Box>(builder, Ui, "WebBrowserHost").pack_start(WebBrowser.widget(), true, true);
  WebBrowser.widget().show();
  let_panes_shrink(builder, WebBrowser.widget());
}

void TForm1::connect_signals() {
  connections_.add(Memo.signal_change().connect(sigc::mem_fun(*this, &TForm1::MemoChange)));
  connections_.add(
      Memo.view().signal_key_press_event().connect(sigc::mem_fun(*this, &TForm1::on_memo_key_press), false));
  connections_.add(Edit1.signal_key_press_event().connect(sigc::mem_fun(*this, &TForm1::on_edit1_key_press), false));
  status_bar_.set_on_changed(sigc::mem_fun(*this, &TForm1::show_status_text));
  connections_.add(
      WebBrowser.signal_before_navigate2().connect(sigc::mem_fun(*this, &TForm1::WebBrowserBeforeNavigate2)));
  connections_.add(WebBrowser.signal_download_begin().connect(sigc::mem_fun(*this, &TForm1::WebBrowserDownloadBegin)));
  connections_.add(
      WebBrowser.signal_download_complete().connect(sigc::mem_fun(*this, &TForm1::WebBrowserDownloadComplete)));
  connections_.add(
      WebBrowser.signal_status_text_change().connect(sigc::mem_fun(*this, &TForm1::WebBrowserStatusTextChange)));
  connections_.add(signal_delete_event().connect(sigc::mem_fun(*this, &TForm1::on_delete), false));
  connections_.add(signal_key_press_event().connect(sigc::mem_fun(*this, &TForm1::on_key_press), false));
  // The commands refresh when the program falls idle after an event, not in
  // a loop of its own, so a program left alone sleeps.
  connections_.add(signal_event_after().connect(sigc::hide(sigc::mem_fun(*this, &TForm1::queue_idle_refresh))));
  connections_.add(signal_hide().connect(sigc::mem_fun(*this, &TForm1::on_hide_abandon_waits)));
  // However the program ends, what no copy holds yet is written first.
  connections_.add(signal_hide().connect(sigc::mem_fun(*this, &TForm1::keep_unsaved_text)));
}

// A refresh still queued would run on a window that is gone.
TForm1::~TForm1() { idle_refresh_.disconnect(); }

void TForm1::apply_memo_font() {
  if (!memo_font_) {
    memo_font_ = Gtk::CssProvider::create();
    Memo.view().get_style_context()->add_provider(memo_font_, GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  }
  // A negative height is the character height, a positive one the cell's;
  // CSS sizes the character, so both read as that many pixels.
  memo_font_->load_from_data("textview { font-family: \"MS Sans Serif\", \"NanumGothic\", sans-serif; font-size: " +
                             std::to_string(std::abs(memo_font_height_)) + "px; }");
}

int TForm1::screen_ppi() const {
  const double resolution = get_screen()->get_resolution();
  return resolution > 0 ? static_cast<int>(resolution + 0.5) : 96;
}

bool TForm1::on_memo_key_press(GdkEventKey* event) {
  MemoKeyDown(first_layout_keyval(*event),
              {(event->state & GDK_SHIFT_MASK) != 0, (event->state & GDK_CONTROL_MASK) != 0,
               (event->state & GDK_MOD1_MASK) != 0});
  return MemoKeyPress();
}

void TForm1::MemoKeyDown(unsigned key, KeySuppression::Modifiers shift) { SuppressKey.key_down(key, shift); }

bool TForm1::MemoKeyPress() { return SuppressKey.discards_char(); }

void TForm1::MemoChange() {
  status_bar_.set_single_text_mode(true);
  status_bar_.set_single_text(line_count_text(line_count(Memo.line_count(), Memo.last_line_empty())));
}

void TForm1::Action8Execute() {
  memo_font_height_ = stepped_font_height(memo_font_height_, screen_ppi(), FontStep::Larger);
  apply_memo_font();
}

void TForm1::Action9Execute() {
  memo_font_height_ = stepped_font_height(memo_font_height_, screen_ppi(), FontStep::Smaller);
  apply_memo_font();
}

bool TForm1::on_delete(GdkEventAny*) {
  hide();
  return true;
}

// A wait for the engine may be running below this handler; it must end so
// that the main loop can.
void TForm1::on_hide_abandon_waits() { WebBrowser.abandon_waits(); }

void TForm1::keep_unsaved_text() { recovery_.take_last_copy(); }

void TForm1::show_status_text() { StatusBar1.set_text(std::string(status_bar_.displayed_text())); }

void TForm1::queue_idle_refresh() {
  if (idle_refresh_queued_) return;
  idle_refresh_queued_ = true;
  idle_refresh_ = Glib::signal_idle().connect(sigc::mem_fun(*this, &TForm1::idle_refresh));
}

bool TForm1::idle_refresh() {
  idle_refresh_queued_ = false;
  if (!get_visible() || !get_sensitive() || get_modal()) return false;
  FocusedTarget::Hold one_lookup(focused_target_);
  commands_.idle_refresh();
  return false;
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
  return commands_.dispatch_shortcut(*key);
}

void TForm1::FormCreate() {
  application_hint_.set_on_changed(sigc::mem_fun(*this, &TForm1::ShowHint));
  OD.settings.initial_dir = services_.program_folder;
  SD.settings.initial_dir = OD.settings.initial_dir;
  // Where a lost text is found again: the recovery copies.
  if (!services_.recovery_folder.empty()) OD.settings.places = {services_.recovery_folder};
  preview_.show_source_text();
  navigation_.create_history_list();
}

void TForm1::ShowHint() { status_bar_.show_hint(application_hint_.text()); }

void TForm1::Action1Execute() { preview_.new_document(); }

void TForm1::Action2Execute() {
  if (!SD.execute(services_.file_chooser)) return;
  save_document(services_.file_system, SD.file_name(), services_.code_page, memo_document_);
  recovery_.text_matches_file();
}

void TForm1::Action3Execute() {
  if (!OD.execute(services_.file_chooser)) return;
  open_document(services_.file_system, OD.file_name(), services_.code_page, memo_document_);
  recovery_.text_matches_file();
}

void TForm1::Action4Execute() { close(); }

void TForm1::Action5Execute() { preview_.run(); }

void TForm1::Action6Execute() {
  // A box of its own for each use, destroyed when it closes or fails.
  auto about = TForm2::create(this);
  about->ShowModal();
}

void TForm1::Action10Execute() { preview_.view_document_source(); }

TextTarget* TForm1::focused_text_target() {
  if (get_focus() == &Memo.view()) return &memo_target_;
  if (get_focus() == &Edit1) return &edit1_target_;
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
  if (replace_target_ && replace(*replace_target_, replace_state_.search_text(), replace_state_.replacement_text(),
                                 replace_state_.options()))
    return;
  not_found(replace_state_);
}

void TForm1::replace_every() {
  if (replace_target_ && replace_all(*replace_target_, replace_state_.search_text(), replace_state_.replacement_text(),
                                     replace_state_.options()) > 0)
    return;
  not_found(replace_state_);
}

bool TForm1::on_edit1_key_press(GdkEventKey* event) {
  if (event->keyval != GDK_KEY_Return && event->keyval != GDK_KEY_KP_Enter) return false;
  char key = '\r';
  Edit1KeyPress(key);
  return key == 0;
}

void TForm1::Edit1KeyPress(char& Key) { navigation_.address_key(Key); }

void TForm1::ActBackExecute() { navigation_.back(); }

void TForm1::AcFowardExecute() { navigation_.forward(); }

void TForm1::ActStopExecute() { navigation_.stop(); }

void TForm1::FileOpen1Execute() { OpenDialog1.execute(services_.file_chooser); }

void TForm1::FilePageSetup1Execute() {
  const PrinterSelection& printer = printer_settings_.printer();
  if (auto chosen = services_.print_dialogs.page_setup(printer_settings_.page_setup(), locale_measure_unit(), printer))
    printer_settings_.accept_page_setup(chosen->values, chosen->printer);
}

void TForm1::FilePrintSetup1Execute() {
  if (auto chosen = services_.print_dialogs.printer_setup(printer_settings_.printer()))
    printer_settings_.accept_printer_setup(*chosen);
}

void TForm1::PrintDlg1Execute() {
  const PrinterSelection& printer = printer_settings_.printer();
  auto chosen = services_.print_dialogs.print(printer_settings_.print_dialog(), printer);
  if (!chosen) return;
  printer_settings_.accept_print(chosen->values, chosen->printer);
  preview_printer_.print(printer_settings_.printer(), printer_settings_.page_setup(), locale_measure_unit());
}

void TForm1::WebBrowserBeforeNavigate2(const std::string& url) { navigation_.before_navigate(url); }

void TForm1::WebBrowserDownloadBegin() { navigation_.download_begin(); }

void TForm1::WebBrowserDownloadComplete() { navigation_.download_complete(); }

void TForm1::WebBrowserStatusTextChange(const std::string& text) { navigation_.status_text_change(text); }

std::string TForm1::source_text() const { return Memo.text(); }

std::unique_ptr<TextSnapshot> TForm1::source_snapshot() const { return Memo.snapshot(); }

void TForm1::set_source_text(const std::string& text) { Memo.set_text(text); }

std::string TForm1::address_text() const { return Edit1.get_text(); }

void TForm1::set_address_text(const std::string& text) { edit1_target_.set_text(text); }

void TForm1::set_caption(const std::string& caption) { set_title(caption); }

}  // namespace tagpad
