#pragma once

// How a save ended; whoever closes or drops documents afterwards goes on only when done.
enum class SaveOutcome { Done, Cancelled, Failed };
