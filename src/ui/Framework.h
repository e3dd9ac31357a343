#pragma once

namespace qv {

class Screen;

// Program-wide input state shared by every widget. Reset once when the
// application starts.
void ResetFramework();

// The one widget that has the keyboard focus in the whole program (may be null).
Screen* FocusedWidget();
void SetFocusedWidget(Screen* widget);

// Key latches: a page that closes itself on a key press latches the key so its
// release is swallowed instead of reaching the page below.
void LatchKey(int key);
bool IsKeyLatched(int key);
void ClearKeyLatches();

// Whether a key is held, as last recorded by the root's key routing.
bool IsKeyDown(int key);

// While set, every stylus event goes to this widget.
void SetStylusCapture(Screen* widget);
void ClearStylusCapture();
Screen* StylusCaptureWidget();

// Key routing at the root: true when the event is swallowed by a latch (a
// latched release also clears every latch). Otherwise records the key state
// and returns false, and the root passes the event down its focus chain.
bool SwallowLatchedKey(int key, bool pressed);

int ChildCount(const Screen* widget);
// Direct children only.
bool HasChild(const Screen* widget, const Screen* child);
// The first push-button child with this id; only ids 1 and 2 are looked up.
class PushButton;
PushButton* FindButton(const Screen* widget, int id);

}  // namespace qv
