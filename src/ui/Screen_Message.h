#pragma once
// The message dialogs 1..9: a topic, a text, an optional picture and their
// buttons. They close only through their buttons (the window's close request
// is refused). Enter or Space take "Continue" or "Yes"; Escape takes "No", or
// "Continue" when that is the only button.
#include <string>
#include <vector>

#include "state/frontend.h"
#include "ui/window.h"

namespace qm::ui {

class Screen_Message : public Window {
 public:
  enum class Buttons { Continue, YesNo };
  explicit Screen_Message(int dialog);

  // Shows the dialog modally; returns 1 for "Yes" (or the first choice), 2 for
  // "No" (or the second), 0 for "Continue". `first`/`second` rename Yes and No.
  int Run(const std::string& topic, const std::string& text, const std::string& picture, Buttons buttons,
          const std::string& first = "Yes", const std::string& second = "No");
  // The same with every field of the dialog's kind: the second title and score
  // line of dialog 8, the second block of dialog 3, the uniform of dialog 9.
  int Run(const DialogContent& d, Buttons buttons, const std::string& first = "Yes",
          const std::string& second = "No");
  int Dialog() const { return dialog_; }

 protected:
  bool OnCloseRequest() override { return false; }

 private:
  void Finish(int result);
  void ShowUniformParts(const DialogContent& d);
  int dialog_;
  int result_ = 0;
  Label* topic_;
  Label* text_;
  Picture* picture_;
  Button* yes_;
  Button* no_;
  Button* continue_;
  Box* rule_ = nullptr;  // the line over the buttons
  Label* encounter_ = nullptr;  // dialog 5: "Encounter:" and the ship met
  Label* ship_ = nullptr;
  Label* title2_ = nullptr;     // dialog 8's second title (9's step title)
  Label* score_ = nullptr;      // the score line of dialogs 8 and 9
  Label* blockHeader_ = nullptr;  // dialog 3's second block
  Box* blockRule_ = nullptr;
  Label* blockText_ = nullptr;
  Label* news_ = nullptr;       // dialog 9's line of news
  // Dialog 9: the rank pictures, wings, ribbons and medals worn on the uniform.
  std::vector<Picture*> shoulders_, collars_, ribbons_, medals_;
  Picture* wings_ = nullptr;
};

template <int N>
class Screen_MessageN : public Screen_Message {
 public:
  Screen_MessageN() : Screen_Message(N) {}
};
using Screen_Message1 = Screen_MessageN<1>;
using Screen_Message2 = Screen_MessageN<2>;
using Screen_Message3 = Screen_MessageN<3>;
using Screen_Message4 = Screen_MessageN<4>;
using Screen_Message5 = Screen_MessageN<5>;
using Screen_Message6 = Screen_MessageN<6>;
using Screen_Message7 = Screen_MessageN<7>;
using Screen_Message8 = Screen_MessageN<8>;
using Screen_Message9 = Screen_MessageN<9>;

// The dialog object of dialog 1..9 (others fall back to 3).
Screen_Message& MessageDialog(int dialog);

}  // namespace qm::ui
