#pragma once
// The screens by unit name. Each screen is one window object, created on first
// use and kept until the program ends; `ShowScreen("Screen_Bank")` shows it
// modally. Rules reach the screens through the Frontend (ui/window_frontend.h),
// which maps its Screen values onto these unit names.
//
// Adding a screen: write src/ui/Screen_Xxx.{h,cpp} (see ui/window.h) and add one
// line to RegisterAllScreens() in ui/screens.cpp:  RegisterWindow<Screen_Xxx>("Screen_Xxx");
#include <functional>
#include <memory>
#include <string>

#include "ui/window.h"

namespace qm::ui {

// `show` shows the screen modally; `hide` closes it from inside (optional).
void RegisterScreen(const std::string& unit, std::function<void()> show, std::function<void()> hide = {});
bool ScreenRegistered(const std::string& unit);
// Shows the screen; a screen not built yet says so in a notice and returns false.
bool ShowScreen(const std::string& unit);
void HideScreen(const std::string& unit);

// The one window of type T, created on first use.
template <class T>
T& Instance();

// Registers the window of type T as the screen `unit`, unless a stand-in (a
// test's) is registered there already.
template <class T>
void RegisterWindow(const std::string& unit) {
  if (ScreenRegistered(unit)) return;
  RegisterScreen(unit, [] { Instance<T>().Show(); }, [] { Instance<T>().Close(); });
}

// Registers every screen of the game (the list in screens.cpp).
void RegisterAllScreens();
// Destroys every window made by Instance (before the window system closes).
void DestroyScreens();

namespace detail {
void KeepWindow(std::function<void()> destroy);
}

template <class T>
T& Instance() {
  static T* window = nullptr;
  if (!window) {
    window = new T();
    detail::KeepWindow([] {
      delete window;
      window = nullptr;
    });
  }
  return *window;
}

}  // namespace qm::ui
