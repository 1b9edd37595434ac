#pragma once

class PanelConfiguration;

// The largest configuration the panel holds: 28 simple and 40 logic maneuvers of twelve
// events, every web and e-mail text 32 characters long.
void fillFullConfiguration(PanelConfiguration &core);
