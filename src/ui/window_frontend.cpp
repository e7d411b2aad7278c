#include "ui/window_frontend.h"

#include "sound/sound.h"
#include "ui/Screen_Highscore.h"
#include "ui/Screen_Message.h"
#include "ui/Screen_Promotion.h"
#include "ui/Screen_Retire2.h"
#include "ui/TutorialPanel.h"
#include "ui/screens.h"

namespace qm::ui {

const char* UnitOf(Screen screen) {
  switch (screen) {
    case Screen::Travel: return "FlyTo";
    case Screen::Jump: return "WormholeTo";
    case Screen::ShipCombat: return "Screen_ShipCombat2";
    case Screen::Boarding: return "Screen_CrewCombat";
    case Screen::FleetBattle: return "Screen_ShipWavesAttacking";
    case Screen::Abilities: return "Screen_SelectNewAbility";
    case Screen::SaveLoad: return "Screen_SaveLoad";
    case Screen::Highscore: return "Screen_Highscore";
    case Screen::MainScreen: return "Screen_Travel";
    case Screen::SimulatorSetup: return "Screen_CombatSimulatorSetup";
    case Screen::SimulatorDuel: return "Screen_ShipCombat";
  }
  return "";
}

void WindowFrontend::Message(int dialog, const std::string& topic, const std::string& text,
                             const std::string& picture) {
  if (Quitting()) return;
  const int d = dialog >= 1 && dialog <= 9 ? dialog : 3;
  MessageDialog(d).Run(topic, text, picture, Screen_Message::Buttons::Continue);
}

void WindowFrontend::ShowDialog(const DialogContent& d) {
  if (Quitting()) return;
  DialogContent shown = d;
  shown.dialog = d.dialog >= 1 && d.dialog <= 9 ? d.dialog : 3;
  MessageDialog(shown.dialog).Run(shown, Screen_Message::Buttons::Continue);
}

void WindowFrontend::TutorialChanged() { TutorialPanel::RefreshAll(); }

void WindowFrontend::MusicSwitched(bool on) { sound::MusicSwitched(on); }

bool WindowFrontend::MainScreenOnTop() {
  const Window* top = Top();
  return top && top->Unit() == UnitOf(Screen::MainScreen) && !top->IsClosing();
}

void WindowFrontend::ShowAward(const AwardContent& a) {
  if (Quitting()) return;
  if (!ScreenRegistered("Screen_Promotion")) return Frontend::ShowAward(a);
  Instance<Screen_Promotion>().Present(a);
}

namespace {
// A question with a picture is asked in dialog 2, one without in dialog 4.
int AskIn(const std::string& topic, const std::string& text, const std::string& picture, const std::string& first,
          const std::string& second) {
  DialogContent d;
  d.dialog = picture.empty() ? 4 : 2;
  d.topic = topic;
  d.text = text;
  d.picture = picture;
  return MessageDialog(d.dialog).Run(d, Screen_Message::Buttons::YesNo, first, second) == 1 ? 1 : 2;
}
}  // namespace

bool WindowFrontend::AskWithPicture(const std::string& topic, const std::string& text, const std::string& picture) {
  if (Quitting()) return false;
  return AskIn(topic, text, picture, "Yes", "No") == 1;
}

int WindowFrontend::ChooseWithPicture(const std::string& topic, const std::string& text, const std::string& first,
                                      const std::string& second, const std::string& picture) {
  if (Quitting()) return 2;
  return AskIn(topic, text, picture, first, second);
}

bool WindowFrontend::Ask(const std::string& topic, const std::string& text) {
  if (Quitting()) return false;
  return MessageDialog(4).Run(topic, text, "", Screen_Message::Buttons::YesNo) == 1;
}

int WindowFrontend::Choose(const std::string& topic, const std::string& text, const std::string& first,
                           const std::string& second) {
  if (Quitting()) return 2;
  return MessageDialog(4).Run(topic, text, "", Screen_Message::Buttons::YesNo, first, second) == 1 ? 1 : 2;
}

void WindowFrontend::ShowScreen(Screen screen) {
  if (Quitting()) return;
  // After a retirement the list shows its new entry highlighted.
  if (screen == Screen::Highscore && ScreenRegistered(UnitOf(screen))) return Instance<Screen_Highscore>().ShowNewEntry();
  ui::ShowScreen(UnitOf(screen));
}

void WindowFrontend::HideScreen(Screen screen) { ui::HideScreen(UnitOf(screen)); }

void WindowFrontend::PlaySound(const std::string& wavFile) {
  if (onPlaySound) onPlaySound(wavFile);
  sound::PlayEffect(wavFile);
}

void WindowFrontend::PlayMusic(int channel, const std::string& oggFile) {
  if (onPlayMusic) onPlayMusic(channel, oggFile);
  sound::PlayTune(channel, oggFile);
}

void WindowFrontend::RefreshMainScreen(int system) {
  if (onRefreshMainScreen) onRefreshMainScreen(system);
  Invalidate();
}

void WindowFrontend::RefreshExperience() {
  if (onRefreshExperience) onRefreshExperience();
  Invalidate();
}

void WindowFrontend::RefreshTradePopup() {
  if (onRefreshTradePopup) onRefreshTradePopup();
  Invalidate();
}

void WindowFrontend::RefreshSpaceObjects() {
  if (onRefreshSpaceObjects) onRefreshSpaceObjects();
  Invalidate();
}

void WindowFrontend::CombatMessage(int side, const std::string& topic, const std::string& text) {
  if (onCombatMessage) onCombatMessage(side, topic, text);
}

void WindowFrontend::CombatAnimation(int side, int what) {
  if (onCombatAnimation) onCombatAnimation(side, what);
}

void WindowFrontend::RefreshCombat() {
  if (onRefreshCombat) onRefreshCombat();
  Invalidate();
}

WindowFrontend& TheFrontend() {
  static WindowFrontend frontend;
  // A retirement walks its steps and the career ladder on its own screen.
  static const bool retirementScreen = [] {
    SetRetirementPresenter([](const RetirementReport& report) {
      if (!Quitting()) Instance<Screen_Retire2>().Present(report);
    });
    return true;
  }();
  (void)retirementScreen;
  return frontend;
}

}  // namespace qm::ui
