// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class GameScreens;
class ViewHost;
class Dispatcher;

// Registers the window of each of the eight screens with the host.
void addGameViews(ViewHost& host, GameScreens& screens, Dispatcher& dispatcher);
