#pragma once
// The computer opponent of the 4D game, without its window.
