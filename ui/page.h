#pragma once

// The program in a web page (the browser build): its windows share the
// page's one canvas, the main ones fill it, and the page outlives the program.

namespace ui {

#ifdef __EMSCRIPTEN__
inline constexpr bool in_page = true;

// The page has no fonts of its own: the designs' faces come with the program.
void add_design_faces();
// Tells the page that the program has ended, so that it can say so.
void tell_page_program_ended();
#else
inline constexpr bool in_page = false;
#endif

}  // namespace ui
