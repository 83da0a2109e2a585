#pragma once

// The program in a web page (the browser build): its windows share the
// page's one canvas, the main ones fill it, and the page outlives the program.

namespace ui {

#ifdef __EMSCRIPTEN__
inline constexpr bool in_page = true;

// The page has no fonts of its own: the designs' faces come with the program.
void add_design_faces();
// A click on a window under a modal one activates it, in a page: the keyboard
// is handed on to the modal window, as desktop window systems do.
void keep_keyboard_with_modal_windows();
// Tells the page that the program has ended, so that it can say so.
void tell_page_program_ended();
#else
inline constexpr bool in_page = false;
#endif

}  // namespace ui
