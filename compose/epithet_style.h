#pragma once

// The settings that shape an epithet, each as it stands when the window opens.
struct EpithetStyle {
    bool single = false;     // one adjective only
    bool commas = true;      // a comma between two adjectives
    bool lengthOrder = true; // of two adjectives, the shorter first
};
