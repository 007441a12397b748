#pragma once
// Pictures of the card come and go in blocks of megabytes (a print copy is
// 12 MB). The C library would keep freed blocks of that size for reuse, so
// that the program's memory only grows; this has it give them back at once.
void returnLargeBlocksToTheSystem();
