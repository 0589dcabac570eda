#pragma once
// How the tool's heap serves a large document, set once at its start.

// With glibc: the heap is not handed back to the system as texts are
// freed, and it grows in one large step of huge pages where the system
// offers them. Elsewhere: nothing.
void TuneHeap();
