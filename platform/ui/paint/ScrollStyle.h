#pragma once

// Which scroll bars a scrolling control shows.
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
