#pragma once

namespace qm {

// Starts a flight to `target`: a location 1..15 of the current system, or
// -1..-4 for one of its space-object places. Shows the travel screen modally.
void StartFlight(int target);
// One day of the flight (the travel screen's timer). Returns true while the
// flight goes on, false once it has arrived or ended.
bool TravelTick();
// The number of days a flight to `target` takes, or 0 when there is no such place.
int FlightDays(int target, bool crewPenalty);
// Headless frontends: runs the days of the flight under way until it ends.
void RunTravelToArrival();
// The crew check before a flight or a jump: a crew too small to fly the ship is
// asked about. True to go ahead; `penalty` tells that the crew is short.
bool CrewReadyToFly(bool& penalty);
// True when a battle or event during the flight ended it (a death, quitting).
bool FlightInterrupted();

}  // namespace qm
