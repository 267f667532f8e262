// How a command's run ended: with an answer, or refusing its input (a number
// out of its field's range, a division by zero, too many bits). A refusal is
// shown as an answer would be; callers decide on this, never on its text.
#pragma once

enum class Outcome { Answered, Refused };
