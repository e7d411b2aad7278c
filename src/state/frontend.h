#pragma once
// The one narrow interface through which the rules talk to the player.
//
// Rules call it synchronously: a question returns the answer that decides the
// rule's next step, and a modal screen returns when it closes. The SDL screens,
// the headless console and the tests each implement it.
#include <string>
#include <vector>

namespace qm {

// Everything a message dialog shows; each dialog uses the fields of its kind.
struct DialogContent {
  int dialog = 3;  // 1..9
  std::string topic, text, picture;
  std::string title2;                  // dialog 8: the second title
  std::string scoreLine;               // dialogs 8 and 9: the score line under the text
  std::string blockHeader, blockText;  // dialog 3: a second block ("Action-Points required:")
  // Dialog 9, the uniform: its body, the shoulder and collar rank pictures, the
  // pilot wings, the ribbons (up to eleven) and medals, and a line of news.
  std::string uniform, shoulder, collar, wings;
  std::vector<std::string> ribbons, medals;
  std::string newsText;
};
// What the promotion screen shows of an award: a campaign ribbon, a new rank or a medal.
struct AwardContent {
  enum Kind { Ribbon = 1, Rank = 2, Medal = 3 };
  int kind = Ribbon;
  int faction = 0;
  std::string intro;       // "For your great efforts the ... high command awards you:"
  std::string award;       // the ribbon's or medal's name as displayed, or the rank's long name
  std::string kindLine;    // "campaign ribbon", "medal", or the rank's short name in brackets
  std::string motto;       // in quotation marks, or "Congratulations!" for a rank
  std::string picture;     // the ribbon, the medal or the rank insignia
  std::string background;  // the faction's award background
};
// The award as one line, for frontends that show a plain notice.
std::string MergedText(const AwardContent& a);

// The dialog's fields as one text, for frontends that show a plain notice.
std::string MergedText(const DialogContent& d);

// Screens a rule may ask to show modally.
enum class Screen {
  Travel,         // counts the days of a flight, one TravelTick per timer tick
  Jump,           // the same travel screen for a wormhole jump, one WormholeTick per 200 ms tick
  ShipCombat,     // a battle set up by the combat rules
  Boarding,       // boarding combat
  FleetBattle,    // fleet wave battle
  Abilities,      // ability selection after a promotion
  SaveLoad,       // the four savegame slots
  Highscore,      // the highscore list
  MainScreen,     // the main screen of the current system
  SimulatorSetup, // the combat simulator's set-up, for the side of its step
  SimulatorDuel,  // the combat simulator's duel, ticked by its timer
};

class Frontend {
 public:
  virtual ~Frontend() = default;

  // Message dialogs 1..9; dialog 3 is the general notice. `picture` may be empty.
  virtual void Message(int dialog, const std::string& topic, const std::string& text,
                       const std::string& picture) = 0;
  // A dialog with every field of its kind; frontends without such dialogs show
  // the fields merged into one text.
  virtual void ShowDialog(const DialogContent& d) { Message(d.dialog, d.topic, MergedText(d), d.picture); }
  // The general yes/no question (dialog 4). True means yes.
  virtual bool Ask(const std::string& topic, const std::string& text) = 0;
  // The question with a picture (dialog 2); frontends without pictures just ask.
  virtual bool AskWithPicture(const std::string& topic, const std::string& text, const std::string& /*picture*/) {
    return Ask(topic, text);
  }
  // A question with two named buttons; returns 1 or 2.
  virtual int Choose(const std::string& topic, const std::string& text, const std::string& first,
                     const std::string& second) = 0;
  virtual int ChooseWithPicture(const std::string& topic, const std::string& text, const std::string& first,
                                const std::string& second, const std::string& /*picture*/) {
    return Choose(topic, text, first, second);
  }
  // The promotion screen with an award; frontends without it show a notice.
  virtual void ShowAward(const AwardContent& a) { Message(3, "Promotion", MergedText(a), a.picture); }
  // Shows a screen modally; returns when it closes.
  virtual void ShowScreen(Screen screen) = 0;
  // Hides a modal screen that a rule closes from inside (the travel screen at arrival).
  virtual void HideScreen(Screen) {}
  // A sound effect, fired and forgotten (the frontend applies the sound-effects switch).
  virtual void PlaySound(const std::string& /*wavFile*/) {}
  // A tune on music channel `channel` (1: the short tunes), replacing what it
  // plays; the rules ask through PlayRewardTune and PlayCrewCombatTune.
  virtual void PlayMusic(int /*channel*/, const std::string& /*oggFile*/) {}
  // The tutorial moved to another step, started or stopped: its panels show it anew.
  virtual void TutorialChanged() {}
  // True while the main screen is the top window, with nothing over it; news
  // that only pops up "on the main screen" is otherwise just listed.
  virtual bool MainScreenOnTop() { return true; }
  // The "Play background music" switch changed: on starts the background music
  // soon, off stops it.
  virtual void MusicSwitched(bool /*on*/) {}
  // The main screen shows `system` anew (planets, log, news, shields, experience).
  virtual void RefreshMainScreen(int /*system*/) {}
  virtual void RefreshExperience() {}
  virtual void RefreshTradePopup() {}
  virtual void RefreshSpaceObjects() {}
  // Ship combat: a message on a side's panel (side 0 the player's, 1 the enemy's),
  // an animation (what 0: the side fires its guns, 1: the side's shield flashes)
  // and a redraw of the battle's gauges, buttons and icons.
  virtual void CombatMessage(int /*side*/, const std::string& /*topic*/, const std::string& /*text*/) {}
  virtual void CombatAnimation(int /*side*/, int /*what*/) {}
  virtual void RefreshCombat() {}
};

// The frontend in use; a silent one that answers "yes" until one is installed.
Frontend& UI();
void SetFrontend(Frontend* frontend);

// Shorthands used throughout the rules. While the new-game pre-simulation runs
// they show nothing (questions take their default answer, yes).
void Notify(const std::string& topic, const std::string& text, const std::string& picture = "");
// The same in message dialog `dialog`: 5 an encounter, 6 experience gained, 7 loot.
void Notify(int dialog, const std::string& topic, const std::string& text, const std::string& picture = "");
bool AskYesNo(const std::string& topic, const std::string& text);
// The question with a picture (dialog 2).
bool AskYesNo(const std::string& topic, const std::string& text, const std::string& picture);
// A dialog with its own fields (second title, score line, uniform ...).
void Notify(const DialogContent& d);
// The promotion screen.
void Notify(const AwardContent& a);

}  // namespace qm
