// The icon view of the current virtual folder: the list view, its image lists and the
// status text that names the folder. It draws what the model holds and reports which
// icons are selected; the commands (ui/command_list.h) decide what changes.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "ui/command_list.h"
#include "ui/launcher_model.h"
#include "ui/palette.h"
#include "ui/icon_sizes.h"
#include "ui/view_image_list_win.h"
#include "util/dpi.h"
#include "util/handles_win.h"
#include "ui/status_line_win.h"

namespace kov {

// What the user does to the icons that the window acts on; the view answers its other
// notifications itself, and sends plain gestures (a double click, a right click) to the
// window as commands.
class ViewListener {
 public:
  // A caption edit is about to start; false keeps the caption from being edited.
  virtual bool OnRenameStarting() = 0;
  // An edit ended with text, or nullptr when cancelled.
  virtual void OnRenamed(int index, const char* text) = 0;
  virtual void OnIconChanged(int index) = 0;
  virtual void OnDragStarted(int index) = 0;

 protected:
  ~ViewListener() = default;
};

class FolderView {
 public:
  FolderView() = default;
  FolderView(const FolderView&) = delete;
  FolderView& operator=(const FolderView&) = delete;

  // Creates the list view as child id of parent; statusBar shows the folder's path.
  // The window's own keys pressed in the view reach parent as WM_COMMAND with the Tag
  // of the tool button they press, and never reach the view.
  [[nodiscard]] bool Create(HWND parent, int id, StatusLine& statusBar, ViewListener& listener, const RECT& bounds);
  // The list view's notifications, reflected by the window; the answer they expect.
  LRESULT OnNotify(const NMHDR& header);
  // Images and font for the DPI of the view's monitor, colours for the theme in force;
  // the icons are drawn again by the next ShowFolder.
  [[nodiscard]] bool SetDpi(int dpi, HFONT font);
  // The colours SetDpi gives the view, its icons' background and its captions.
  void SetColors(const Palette& palette) { colors_ = palette; }
  // The icons' size in pixels at 96 DPI, one of kIconSizes; before the view is shown,
  // or SetDpi, the size it starts with.
  void ChooseIconSize(int size) { iconSize_ = size; }
  int IconSize() const { return iconSize_; }
  // Shows the icons at another size, their captions as wide as the size needs, with
  // the same icons selected and the same icon at the top of the view.
  [[nodiscard]] bool ShowIconSize(int size);
  // The command of turning the mouse wheel by delta with Ctrl held, and how many
  // times it runs: one per notch turned, halves of a notch added up.
  std::pair<Command, int> ZoomOfWheel(int delta);
  Rgb FaintText() const { return colors_.faintText; }

  HWND hwnd() const { return list_; }
  HIMAGELIST Images() const { return images_.List(); }

  // Draws the model's current folder from the table, in table order.
  void ShowFolder(const LauncherModel& model);
  // Draws the entries a search found, each with its own icon, and says how many.
  void ShowResults(const LauncherModel& model);
  // Names in the status bar what the icon at index leads to, so that two entries of
  // the same caption can be told apart: among found entries also the folder it lies in.
  void ShowSelection(const LauncherModel& model, int index);
  void ShowSelection(const LauncherModel& model, int index, int selectedCount);
  // True when the icon's entry leads to a file or directory that is not there.
  bool TargetMissing(int index) const;
  // Looks up the icon's target and image again and draws it, as when a start found its
  // target gone or the entry was given a new target.
  void RedrawImage(int index);
  // Appends an icon for each of the table's slots from firstSlot on after the icons on
  // show: the table's last ones, just added.
  void AppendIcons(const EntryTable& table, int firstSlot, const DirectoryValues& dirs);

  // Says briefly in the status bar what just happened.
  void Say(const Text& message) { statusBar_->Say(message); }
  void SayAlso(const Text& message) { statusBar_->SayAlso(message); }

  int Count() const;
  // The icon a command for one entry acts on: the focused one while it is selected,
  // else the first selected; -1 when none is.
  int SelectedIndex() const;
  // Every selected icon, in the view's order.
  std::vector<int> SelectedIndices() const;
  // The slots of the selected icons, in the view's order.
  std::vector<int> SelectedSlots() const;
  int SelectedCount() const;
  Text Caption(int index) const;
  // The table slot the icon shows; 0 for no icon.
  int SlotOf(int index) const;
  void SetCaption(int index, const Text& caption);
  // Exchanges the captions and images of two icons, which is all a move changes; each
  // icon keeps its slot, whose line the move exchanged.
  void SwapIcons(int first, int second);
  // The view holds no icons of its own, only their number: it asks for an icon's
  // caption and image when it is about to draw it, so a folder of any size appears
  // without waiting for the icons below the visible part.
  void OnGetDisplayInfo(NMLVDISPINFOA& request);
  // Answers the view's find request (LVN_ODFINDITEM), raised when the user types the
  // first letters of a caption: the first icon from the request's start on whose caption
  // begins with the typed text, ignoring case, going round to the first; -1 when none.
  int FindIcon(const NMHDR& request) const;

  // The view's info tip for an icon: its full caption and the path it leads to.
  void OnGetInfoTip(NMLVGETINFOTIPA& request) const;
  LRESULT OnEditLabel(const NMHDR& header);
  LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw) const;
  // The icon at a point of the view's client area; -1 when none is there.
  int IconAtPoint(POINT inView) const;
  // The entry the icon stands for; an empty one for no icon.
  EntryView EntryAt(int index) const;

  // Selects and focuses the icon alone and scrolls it into sight, so that the arrow keys
  // go on from it.
  void SelectAndFocus(int index);
  // Selects the icons that show the slots, focusing the first of them.
  void SelectSlots(std::vector<int> slots);
  void SelectAll();
  // No icon selected; the focused one stays focused, for the arrow keys.
  void ClearSelection();
  // Shows the icons of the slots dimmed, as cut and waiting to be pasted; none for an
  // empty list.
  void MarkCut(std::vector<int> slots);
  // Lights up the icon something dragged would be dropped into; -1 for none.
  void ShowDropTarget(int index);
  // True while the view shows what a search found rather than a folder.
  bool ShowsResults() const { return showsResults_; }

 private:
  // An icon: the table slot it shows, and its image, -1 until the icon is first drawn.
  // Small, so that a search's tens of thousands of icons are set up in no time; its
  // line is read from the table, which every change shows again, when it is drawn.
  struct Icon {
    int slot;
    int image = -1;
  };
  Icon& IconAt(int index) { return icons_[static_cast<std::size_t>(index)]; }
  std::string_view LineOf(int index) const;
  const Text& CaptionOf(int index) const;
  // The icon's image: looked up when it is first drawn in a folder shown anew, else the
  // one its target had last, so that each keystroke of a search checks no file again.
  int ImageOf(const EntryView& entry);
  int LookUpImage(const Text& path);
  // Starts a new set of icons from table slots; their lines are not copied.
  void ShowSlots(const EntryTable& table, const std::vector<int>& slots, const DirectoryValues& dirs);
  // Tells the view how many icons there are and places them; anew for a new set of
  // icons rather than more of the same.
  void PlaceIcons(const DirectoryValues& dirs, bool anew);
  void StartAtFirstIcon();
  // The image list and the icons' spacing for the size and the DPI.
  [[nodiscard]] bool ApplyIconSize();
  // The first icon whose row reaches into sight at the top of the view.
  int FirstIconInSight() const;

  HWND list_ = nullptr;  // a child window: destroyed with its parent
  StatusLine* statusBar_ = nullptr;
  ViewListener* listener_ = nullptr;
  ViewImageList images_;
  Palette colors_;
  int dpi_ = kBaseDpi;
  int iconSize_ = kDefaultIconSize;
  int wheelDelta_ = 0;  // a turn of the wheel not yet a whole notch
  bool darkScrollBars_ = false;
  // The image last found for each target path, which says what was learned of the
  // target: gone, a directory, a file of a type or with an icon of its own.
  std::unordered_map<Text, int> targetImages_;
  DirectoryValues dirs_;
  // The table the icons show slots of: the model's, which outlives the view.
  const EntryTable* table_ = nullptr;
  // The icons on show, in order.
  std::vector<Icon> icons_;
  // The captions of icons drawn or named so far, by index; read from the lines on demand.
  mutable std::unordered_map<int, Text> captions_;
  bool showsResults_ = false;
  // The first icon alone is selected and focused, as each keystroke of a search leaves
  // it, and no change of a selection was told since: the next keystroke need not ask the
  // view for the selection nor set it again (each is a call into the view, and setting it
  // tells the window of it).
  bool firstAloneSelected_ = false;
  int dropTarget_ = -1;
  std::vector<int> cutSlots_;  // sorted
  bool IsCut(int index) const;
};

}  // namespace kov
