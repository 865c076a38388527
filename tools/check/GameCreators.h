#pragma once

/// Wires the layers through the composition root and registers every component creator with the
/// Factory, as the game's start-up does, without loading the archetypes the Factory's Init also
/// loads. Tools call it before they ask the Factory or the component descriptions anything.
void RegisterGameCreators();
