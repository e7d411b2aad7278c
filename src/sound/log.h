#pragma once
// Audio troubles are never the player's business in a dialog: each distinct
// text becomes one line on standard error, once per run, and the game plays on.
#include <functional>
#include <string>

namespace qm::sound {

// Writes "quellmark: sound: <text>" unless the same text was written before.
void LogOnce(const std::string& text);
// Tests catch the lines here instead of on standard error; nullptr restores it.
// Installing or removing a sink also forgets which texts were written.
void SetLogSink(std::function<void(const std::string&)> sink);

}  // namespace qm::sound
