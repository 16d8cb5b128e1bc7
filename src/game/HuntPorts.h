// SPDX-License-Identifier: GPL-3.0-or-later
// What the hunt needs of the world around its rules: the main window gives it the real ones,
// the tests doubles (tests/support).
#pragma once

#include <cstdint>
#include <string>

namespace kluvian {

enum class GameTimer { Flight, CountDown };

// The flight step's timer (50 ms) and the clock's (1 s); each ticks periodically once started.
class GameTimers {
public:
    virtual ~GameTimers() = default;
    // Runs afresh: a whole period to the first tick, whatever was held or left over before.
    virtual void Start(GameTimer timer) = 0;
    // Stops it; nothing is held.
    virtual void Stop(GameTimer timer) = 0;
    // Stops it, keeping what is left of its period; nothing when it is not running.
    virtual void Hold(GameTimer timer) = 0;
    // Ticks once what Hold kept has passed and runs on from there; nothing when nothing is held.
    virtual void Release(GameTimer timer) = 0;
};

// The shot, the music and the sound switch.
class GameSounds {
public:
    virtual ~GameSounds() = default;
    virtual bool On() const = 0;
    virtual void SetOn(bool on) = 0;
    // Starts the WAV file once and returns at once, cutting off a shot still sounding; silent
    // when the file cannot be played.
    virtual void PlayShot(const std::string& path) = 0;
    // Opens the file afresh and plays it once from its start; throws std::runtime_error when
    // the file cannot be opened.
    virtual void PlayMusic(const std::string& path) = 0;
    // Stops the music and closes its file.
    virtual void StopMusic() = 0;
    // Holds the music where it is, and lets it go on; nothing when nothing is open.
    virtual void PauseMusic() = 0;
    virtual void ResumeMusic() = 0;
};

// The drawing, as far as the rules reach it.
class GameDrawing {
public:
    virtual ~GameDrawing() = default;
    // Draws the picking pass of the world as it is and returns the red byte under (x, y), in
    // the drawing's logical pixels: the Id of the bird there, 0 for none.
    virtual std::uint8_t PickAt(float x, float y) = 0;
    // The system's pointer over the drawing, or none (the game draws its cross-hair).
    virtual void ShowPointer(bool shown) = 0;
};

// The score table's part in a game: offers a finished game's score (the name dialog, the
// entry, the table shown).
class GameEnd {
public:
    virtual ~GameEnd() = default;
    virtual void EndGame(std::int32_t Score) = 0;
};

} // namespace kluvian
