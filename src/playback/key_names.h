// Key names to virtual-key codes: the key tokens of TYPE and the key names
// of the Mapping editor.
#pragma once

// The virtual-key code a key name stands for. The name is first cut at
// " = " in place, so a Mapping list entry gives the code of its key. Then:
// a function key ("F5", "{F5}", up to "{F24}"), else the first known name
// found anywhere in the text, else the key of its first character.
int KeyNameToVirtualKey(char* name);
