#pragma once

// Makes the face both programs draw their text in, at the skin's 12 pixels, the
// application's font: the skin's pictures are measured for it.
void UseProgramFont();
