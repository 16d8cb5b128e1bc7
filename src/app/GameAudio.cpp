// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GameAudio.h"

namespace kluvian {

void GameAudio::PlayMusic(const std::string& path) {
    MediaPlayer1.SetFileName(path);
    MediaPlayer1.Open(); // closes what was open, so the music starts afresh; throws on a bad file
    MediaPlayer1.Play();
}

void GameAudio::StopMusic() {
    MediaPlayer1.Stop();
    MediaPlayer1.Close();
}

} // namespace kluvian
