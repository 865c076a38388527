"""The sound effects as data: one entry per bank event.

Entry fields:
  event   event path without "event:/"
  files   output file stems under res/audio/sfx/; several stems are variations, one picked per play
  pitch   one pitch factor per variation (1.0 = as written); each variation also gets its own seed
  volume  the event's level in the bank (0..1); every effect is rendered to the same peak first
  format  "ogg" (default) or "wav" for the tiniest sounds
  recipe  layers mixed together, then optional "drive" (tanh saturation) and "echo" (delay, feedback)

Layer kinds (times in seconds, "at" = start offset, "gain" = level, envelope = "env" points of
(time fraction, level) or "attack" + exponential "decay" time constant):
  tone     oscillator "wave" (sine/square/saw/triangle) from freq[0] to freq[1] (or a constant),
           optional "vibrato" (rate, depth) and "lowpass" cutoff
  noise    white noise through a "filter" (low/band/high) whose cutoff glides from cutoff[0] to
           cutoff[1], resonance "q", optional "swirl" (rate, depth) that wanders the cutoff
  notes    a run of note names, one every "step" seconds, each ringing "ring" seconds; "bell"
           adds an inharmonic partial
  crackle  random clicks at "rate" per second shaped by the envelope, through a "filter" at "cutoff"
  bubbles  "count" rising sine blips between freq[0] and freq[1] Hz, each about "len" long
"""

SEMI = 2.0 ** (1.0 / 12.0)


def Thud(at, freq, dur, gain=1.0):
    """A falling sine thump, the body of every hit and landing."""
    return {"kind": "tone", "at": at, "freq": (freq, freq * 0.45), "dur": dur, "decay": dur / 3.5, "gain": gain}


EFFECTS = [
    # --- Racing -----------------------------------------------------------------------------
    {"event": "SFX/PlayerJump", "files": ["jump_1", "jump_2", "jump_3"], "pitch": [1.0, 1.08, 0.93],
     "volume": 0.7, "recipe": {"layers": [
         {"kind": "tone", "wave": "sine", "freq": (210, 700), "dur": 0.24, "decay": 0.11, "attack": 0.004},
         {"kind": "tone", "wave": "triangle", "freq": (420, 1400), "dur": 0.2, "decay": 0.07, "gain": 0.25},
         {"kind": "noise", "filter": "band", "cutoff": (700, 3200), "q": 1.5, "dur": 0.22,
          "env": [(0, 0), (0.25, 1), (1, 0)], "gain": 0.6}]}},
    {"event": "SFX/PlayerLand", "files": ["land_1", "land_2"], "pitch": [1.0, 0.9],
     "volume": 0.6, "recipe": {"layers": [
         Thud(0, 120, 0.2),
         {"kind": "noise", "filter": "low", "cutoff": (700, 200), "dur": 0.12, "decay": 0.03, "gain": 0.8}]}},
    {"event": "SFX/BumpBall", "files": ["bump_ball_1", "bump_ball_2", "bump_ball_3"], "pitch": [1.0, 1.1, 0.9],
     "volume": 0.75, "recipe": {"drive": 2.0, "layers": [
         Thud(0, 190, 0.14),
         {"kind": "tone", "wave": "triangle", "freq": (640, 420), "dur": 0.07, "decay": 0.016, "gain": 0.55},
         {"kind": "noise", "filter": "band", "cutoff": 2200, "q": 2.0, "dur": 0.04, "decay": 0.008, "gain": 1.2}]}},
    {"event": "SFX/BumpWall", "files": ["bump_wall_1", "bump_wall_2", "bump_wall_3"], "pitch": [1.0, 0.9, 1.1],
     "volume": 0.7, "recipe": {"drive": 1.5, "layers": [
         Thud(0, 95, 0.22),
         {"kind": "noise", "filter": "low", "cutoff": (450, 140), "dur": 0.14, "decay": 0.035, "gain": 1.4}]}},
    {"event": "SFX/Gate", "files": ["gate_1", "gate_2", "gate_3"], "pitch": [1.0, SEMI ** 2, SEMI ** -2],
     "volume": 0.6, "recipe": {"echo": (0.09, 0.3), "layers": [
         {"kind": "notes", "notes": ["E6", "B6"], "step": 0.05, "ring": 0.45, "bell": True},
         {"kind": "notes", "wave": "triangle", "notes": ["E7"], "at": 0.05, "step": 0.1, "ring": 0.2,
          "gain": 0.2}]}},
    {"event": "SFX/Lap", "files": ["lap"], "pitch": [1.0], "volume": 0.7,
     "recipe": {"echo": (0.11, 0.3), "layers": [
         {"kind": "notes", "wave": "triangle", "notes": ["C6", "G6"], "step": 0.13, "ring": 0.6, "bell": True},
         {"kind": "notes", "notes": ["C5", "G5"], "step": 0.13, "ring": 0.5, "gain": 0.3}]}},
    {"event": "SFX/FinalLap", "files": ["final_lap"], "pitch": [1.0], "volume": 0.8,
     "recipe": {"echo": (0.12, 0.3), "layers": [
         {"kind": "notes", "wave": "square", "notes": ["G5", "C6", "E6"], "step": 0.12, "ring": 0.9,
          "decay": 0.35, "gain": 0.5},
         {"kind": "notes", "wave": "triangle", "notes": ["G4", "C5", "E5"], "step": 0.12, "ring": 0.9,
          "decay": 0.4, "gain": 0.6},
         {"kind": "notes", "notes": ["C7"], "at": 0.24, "step": 0.1, "ring": 0.7, "bell": True, "gain": 0.3}]}},
    {"event": "SFX/CountdownBeep", "files": ["countdown_beep"], "pitch": [1.0], "volume": 0.55,
     "recipe": {"layers": [
         {"kind": "tone", "freq": 880, "dur": 0.2, "env": [(0, 0), (0.03, 1), (0.6, 0.8), (1, 0)]},
         {"kind": "tone", "wave": "square", "freq": 880, "dur": 0.2, "env": [(0, 0), (0.03, 1), (0.6, 0.6), (1, 0)],
          "gain": 0.12}]}},
    {"event": "SFX/CountdownGo", "files": ["countdown_go"], "pitch": [1.0], "volume": 0.8,
     "recipe": {"layers": [
         {"kind": "tone", "freq": 1760, "dur": 0.65, "env": [(0, 0), (0.02, 1), (0.5, 0.8), (1, 0)]},
         {"kind": "tone", "wave": "square", "freq": 880, "dur": 0.65, "env": [(0, 0), (0.02, 1), (0.5, 0.7), (1, 0)],
          "gain": 0.22},
         {"kind": "tone", "freq": 2640, "dur": 0.5, "env": [(0, 0), (0.03, 1), (1, 0)], "gain": 0.25}]}},
    {"event": "SFX/WrongWay", "files": ["wrong_way"], "pitch": [1.0], "volume": 0.5,
     "recipe": {"layers": [
         {"kind": "tone", "wave": "saw", "freq": 220, "dur": 0.2, "lowpass": 1400,
          "env": [(0, 0), (0.05, 1), (0.85, 1), (1, 0)]},
         {"kind": "tone", "wave": "saw", "freq": 165, "at": 0.24, "dur": 0.28, "lowpass": 1100,
          "env": [(0, 0), (0.05, 1), (0.8, 1), (1, 0)]},
         {"kind": "tone", "wave": "square", "freq": 110, "dur": 0.2, "gain": 0.3,
          "env": [(0, 0), (0.05, 1), (0.85, 1), (1, 0)]},
         {"kind": "tone", "wave": "square", "freq": 82.5, "at": 0.24, "dur": 0.28, "gain": 0.3,
          "env": [(0, 0), (0.05, 1), (0.8, 1), (1, 0)]}]}},
    {"event": "SFX/Finish", "files": ["finish"], "pitch": [1.0], "volume": 0.8,
     "recipe": {"echo": (0.1, 0.3), "layers": [
         {"kind": "notes", "wave": "triangle", "notes": ["C5", "E5", "G5", "C6", "E6", "G6", "C7"], "step": 0.06,
          "ring": 0.8, "bell": True},
         {"kind": "notes", "wave": "square", "notes": ["C4", "G4", "C5"], "at": 0.36, "step": 0.0001,
          "ring": 0.9, "decay": 0.4, "gain": 0.25}]}},
    # --- Menus --------------------------------------------------------------------------------
    {"event": "SFX/MenuMove", "files": ["menu_move_1", "menu_move_2", "menu_move_3"], "format": "wav",
     "pitch": [1.0, 1.06, 0.95], "volume": 0.45, "recipe": {"fade": 0.004, "layers": [
         {"kind": "tone", "freq": 1800, "dur": 0.04, "decay": 0.009},
         {"kind": "noise", "filter": "high", "cutoff": 4000, "dur": 0.012, "decay": 0.002, "gain": 0.4}]}},
    {"event": "SFX/MenuClick", "files": ["menu_click"], "pitch": [1.0], "volume": 0.6,
     "recipe": {"layers": [
         {"kind": "notes", "wave": "triangle", "notes": ["D6", "A6"], "step": 0.05, "ring": 0.13, "decay": 0.04},
         {"kind": "notes", "notes": ["D7"], "at": 0.05, "step": 0.1, "ring": 0.1, "decay": 0.03, "gain": 0.3}]}},
    {"event": "Error", "files": ["error"], "pitch": [1.0], "volume": 0.6,
     "recipe": {"layers": [
         {"kind": "tone", "wave": "square", "freq": (118, 98), "dur": 0.3, "lowpass": 650, "decay": 0.12},
         {"kind": "tone", "freq": (80, 60), "dur": 0.25, "decay": 0.08, "gain": 0.7}]}},
    # --- Pick-ups and platforms ---------------------------------------------------------------
    {"event": "SFX/PowerUpPickup", "files": ["powerup_pickup"], "pitch": [1.0], "volume": 0.65,
     "recipe": {"echo": (0.07, 0.3), "layers": [
         {"kind": "notes", "notes": ["E6", "G#6", "B6", "E7"], "step": 0.045, "ring": 0.3, "bell": True},
         {"kind": "noise", "filter": "high", "cutoff": (5000, 9000), "dur": 0.3,
          "env": [(0, 0), (0.1, 1), (1, 0)], "gain": 0.15},
         {"kind": "crackle", "rate": 120, "dur": 0.35, "filter": "high", "cutoff": 6000, "decay": 0.15,
          "gain": 0.8}]}},
    {"event": "SFX/Boost", "files": ["boost"], "pitch": [1.0], "volume": 0.7,
     "recipe": {"layers": [
         {"kind": "noise", "filter": "band", "cutoff": (300, 3500), "q": 2.0, "dur": 0.75,
          "env": [(0, 0), (0.55, 1), (1, 0)]},
         {"kind": "tone", "wave": "saw", "freq": (110, 440), "dur": 0.7, "lowpass": 1500,
          "env": [(0, 0), (0.6, 1), (1, 0)], "gain": 0.25}]}},
    # --- Fire: fireball, napalm trail, Armageddon --------------------------------------------
    {"event": "SFX/Fire/ForwardLaunch", "files": ["fire_forward_launch"], "pitch": [1.0], "volume": 0.75,
     "recipe": {"drive": 2.0, "layers": [
         {"kind": "noise", "filter": "low", "cutoff": (3500, 500), "dur": 0.6, "attack": 0.02, "decay": 0.2},
         {"kind": "crackle", "rate": 500, "dur": 0.6, "cutoff": 1800, "decay": 0.25, "gain": 2.5},
         {"kind": "tone", "wave": "saw", "freq": (160, 70), "dur": 0.5, "lowpass": 600, "decay": 0.15,
          "gain": 0.35}]}},
    {"event": "SFX/Fire/ForwardHit", "files": ["fire_forward_hit"], "pitch": [1.0], "volume": 0.8,
     "recipe": {"drive": 3.0, "layers": [
         {"kind": "noise", "filter": "low", "cutoff": (4500, 150), "dur": 0.9, "decay": 0.25},
         Thud(0, 90, 0.5),
         {"kind": "crackle", "rate": 350, "dur": 0.9, "cutoff": 1500, "decay": 0.3, "gain": 2.5}]}},
    {"event": "SFX/Fire/BackLaunch", "files": ["fire_back_launch"], "pitch": [1.0], "volume": 0.65,
     "recipe": {"layers": [
         {"kind": "noise", "filter": "band", "cutoff": (4000, 6000), "q": 0.8, "dur": 0.8,
          "env": [(0, 0), (0.1, 1), (0.7, 0.7), (1, 0)], "gain": 0.7},
         {"kind": "crackle", "rate": 700, "dur": 0.8, "cutoff": 2000, "env": [(0, 0), (0.2, 1), (1, 0)],
          "gain": 2.0},
         {"kind": "noise", "filter": "low", "cutoff": 350, "dur": 0.8, "env": [(0, 0), (0.15, 1), (1, 0)],
          "gain": 1.2}]}},
    {"event": "SFX/Fire/BackHit", "files": ["fire_back_hit"], "pitch": [1.0], "volume": 0.65,
     "recipe": {"layers": [
         {"kind": "noise", "filter": "band", "cutoff": (3000, 6500), "q": 1.0, "dur": 0.55, "decay": 0.2},
         {"kind": "crackle", "rate": 1000, "dur": 0.55, "cutoff": 2500, "decay": 0.2, "gain": 2.0},
         {"kind": "tone", "freq": (320, 200), "dur": 0.3, "decay": 0.1, "gain": 0.3}]}},
    {"event": "SFX/Fire/UltimateLaunch", "files": ["fire_ultimate_launch"], "pitch": [1.0], "volume": 0.85,
     "recipe": {"drive": 2.5, "fade": 0.2, "layers": [
         {"kind": "noise", "filter": "low", "cutoff": (200, 2200), "dur": 2.0,
          "env": [(0, 0), (0.6, 1), (0.85, 0.8), (1, 0)]},
         {"kind": "tone", "wave": "saw", "freq": (50, 110), "dur": 2.0, "lowpass": 500, "vibrato": (6, 0.04),
          "env": [(0, 0), (0.6, 1), (1, 0)], "gain": 0.5},
         {"kind": "crackle", "rate": 400, "dur": 2.0, "cutoff": 1600, "env": [(0, 0.2), (0.7, 1), (1, 0)],
          "gain": 2.5}]}},
    {"event": "SFX/Fire/UltimateHit", "files": ["fire_ultimate_hit"], "pitch": [1.0], "volume": 0.85,
     "recipe": {"drive": 3.0, "fade": 0.2, "layers": [
         {"kind": "noise", "filter": "low", "cutoff": (3000, 100), "dur": 1.9, "decay": 0.5},
         Thud(0, 70, 1.1), Thud(0.4, 85, 0.6, 0.7), Thud(0.8, 75, 0.6, 0.6),
         {"kind": "crackle", "rate": 300, "dur": 1.8, "filter": "low", "cutoff": 2200, "decay": 0.6,
          "gain": 3.0}]}},
    # --- Water: wave, slick puddle, Tsunami ---------------------------------------------------
    {"event": "SFX/Water/ForwardLaunch", "files": ["water_forward_launch"], "pitch": [1.0], "volume": 0.7,
     "recipe": {"layers": [
         {"kind": "noise", "filter": "band", "cutoff": (500, 2600), "q": 1.5, "dur": 0.8,
          "env": [(0, 0), (0.6, 1), (1, 0)]},
         {"kind": "bubbles", "count": 9, "freq": (400, 900), "dur": 0.8, "len": 0.06, "gain": 0.4}]}},
    {"event": "SFX/Water/ForwardHit", "files": ["water_forward_hit"], "pitch": [1.0], "volume": 0.7,
     "recipe": {"layers": [
         {"kind": "noise", "filter": "band", "cutoff": (3200, 1100), "q": 0.9, "dur": 0.55, "decay": 0.15},
         {"kind": "bubbles", "count": 14, "freq": (500, 1400), "dur": 0.55, "len": 0.05, "gain": 0.35},
         {"kind": "tone", "freq": (300, 700), "dur": 0.08, "decay": 0.03, "gain": 0.6}]}},
    {"event": "SFX/Water/BackLaunch", "files": ["water_back_launch"], "pitch": [1.0], "volume": 0.6,
     "recipe": {"layers": [
         {"kind": "tone", "freq": (250, 900), "dur": 0.15, "decay": 0.05},
         {"kind": "bubbles", "count": 7, "freq": (350, 800), "at": 0.05, "dur": 0.45, "len": 0.06, "gain": 0.5},
         {"kind": "noise", "filter": "low", "cutoff": 900, "dur": 0.3, "decay": 0.08, "gain": 0.6}]}},
    {"event": "SFX/Water/BackHit", "files": ["water_back_hit"], "pitch": [1.0], "volume": 0.6,
     "recipe": {"layers": [
         {"kind": "noise", "filter": "band", "cutoff": (600, 2400), "q": 4.0, "dur": 0.4,
          "env": [(0, 0), (0.2, 1), (1, 0)]},
         {"kind": "tone", "freq": (520, 240), "dur": 0.35, "decay": 0.12, "gain": 0.3, "vibrato": (14, 0.05)},
         {"kind": "bubbles", "count": 5, "freq": (300, 700), "dur": 0.4, "gain": 0.4}]}},
    {"event": "SFX/Water/UltimateLaunch", "files": ["water_ultimate_launch"], "pitch": [1.0], "volume": 0.85,
     "recipe": {"fade": 0.2, "layers": [
         {"kind": "noise", "filter": "low", "cutoff": (300, 3200), "dur": 2.3,
          "env": [(0, 0), (0.7, 1), (1, 0)]},
         {"kind": "noise", "filter": "band", "cutoff": 900, "q": 1.2, "swirl": (0.8, 0.4), "dur": 2.3,
          "env": [(0, 0), (0.3, 0.6), (0.8, 1), (1, 0)], "gain": 0.6},
         {"kind": "bubbles", "count": 30, "freq": (300, 1200), "dur": 2.2, "len": 0.07, "gain": 0.3},
         {"kind": "tone", "freq": (48, 70), "dur": 2.3, "env": [(0, 0), (0.7, 1), (1, 0)], "gain": 0.5}]}},
    {"event": "SFX/Water/UltimateHit", "files": ["water_ultimate_hit"], "pitch": [1.0], "volume": 0.85,
     "recipe": {"fade": 0.2, "layers": [
         {"kind": "noise", "filter": "low", "cutoff": (5000, 350), "dur": 1.7, "decay": 0.5},
         {"kind": "bubbles", "count": 40, "freq": (400, 1500), "dur": 1.6, "len": 0.05, "gain": 0.3},
         Thud(0, 75, 0.7)]}},
    # --- Wind: gust, tornado left behind, chasing tornado -------------------------------------
    {"event": "SFX/Wind/ForwardLaunch", "files": ["wind_forward_launch"], "pitch": [1.0], "volume": 0.7,
     "recipe": {"layers": [
         {"kind": "noise", "filter": "band", "cutoff": (600, 2600), "q": 2.0, "swirl": (3, 0.3), "dur": 0.55,
          "env": [(0, 0), (0.3, 1), (1, 0)]}]}},
    {"event": "SFX/Wind/ForwardHit", "files": ["wind_forward_hit"], "pitch": [1.0], "volume": 0.7,
     "recipe": {"layers": [
         {"kind": "noise", "filter": "band", "cutoff": (2200, 450), "q": 1.5, "dur": 0.45, "decay": 0.13},
         Thud(0, 160, 0.16, 0.7)]}},
    {"event": "SFX/Wind/BackLaunch", "files": ["wind_back_launch"], "pitch": [1.0], "volume": 0.65,
     "recipe": {"layers": [
         {"kind": "noise", "filter": "band", "cutoff": (400, 1500), "q": 3.0, "swirl": (6, 0.4), "dur": 1.0,
          "env": [(0, 0), (0.4, 1), (0.8, 0.8), (1, 0)]},
         {"kind": "noise", "filter": "band", "cutoff": (1800, 3000), "q": 2.0, "swirl": (4, 0.3), "dur": 1.0,
          "env": [(0, 0), (0.5, 1), (1, 0)], "gain": 0.4}]}},
    {"event": "SFX/Wind/BackHit", "files": ["wind_back_hit"], "pitch": [1.0], "volume": 0.65,
     "recipe": {"layers": [
         {"kind": "noise", "filter": "band", "cutoff": 1200, "q": 4.0, "swirl": (9, 0.5), "dur": 0.7,
          "env": [(0, 0), (0.15, 1), (1, 0)]},
         {"kind": "tone", "freq": (500, 950), "dur": 0.6, "vibrato": (8, 0.15),
          "env": [(0, 0), (0.2, 1), (1, 0)], "gain": 0.12}]}},
    {"event": "SFX/Wind/UltimateLaunch", "files": ["wind_ultimate_launch"], "pitch": [1.0], "volume": 0.85,
     "recipe": {"fade": 0.2, "layers": [
         {"kind": "noise", "filter": "band", "cutoff": (300, 1400), "q": 2.5, "swirl": (2.5, 0.45), "dur": 2.4,
          "env": [(0, 0), (0.5, 1), (0.85, 0.9), (1, 0)]},
         {"kind": "noise", "filter": "band", "cutoff": (1500, 3500), "q": 2.0, "swirl": (5, 0.35), "dur": 2.4,
          "env": [(0, 0), (0.6, 1), (1, 0)], "gain": 0.45},
         {"kind": "noise", "filter": "low", "cutoff": 250, "dur": 2.4, "env": [(0, 0), (0.5, 1), (1, 0)],
          "gain": 0.9}]}},
    {"event": "SFX/Wind/UltimateHit", "files": ["wind_ultimate_hit"], "pitch": [1.0], "volume": 0.85,
     "recipe": {"fade": 0.2, "layers": [
         {"kind": "noise", "filter": "band", "cutoff": (3200, 300), "q": 1.0, "dur": 1.6, "decay": 0.5},
         {"kind": "noise", "filter": "band", "cutoff": 900, "q": 3.0, "swirl": (7, 0.5), "dur": 1.6,
          "env": [(0, 0), (0.1, 1), (1, 0)], "gain": 0.6},
         Thud(0, 120, 0.3)]}},
    # --- Earth: boulder, roots, quake ---------------------------------------------------------
    {"event": "SFX/Earth/ForwardLaunch", "files": ["earth_forward_launch"], "pitch": [1.0], "volume": 0.75,
     "recipe": {"drive": 1.5, "layers": [
         {"kind": "noise", "filter": "low", "cutoff": 260, "dur": 0.85, "env": [(0, 0), (0.15, 1), (1, 0)],
          "gain": 2.0},
         {"kind": "crackle", "rate": 250, "dur": 0.85, "filter": "band", "cutoff": 900,
          "env": [(0, 0), (0.2, 1), (1, 0)], "grain": 0.008, "gain": 3.0},
         {"kind": "tone", "freq": 52, "dur": 0.85, "vibrato": (9, 0.15), "env": [(0, 0), (0.2, 1), (1, 0)],
          "gain": 0.5}]}},
    {"event": "SFX/Earth/ForwardHit", "files": ["earth_forward_hit"], "pitch": [1.0], "volume": 0.8,
     "recipe": {"drive": 2.0, "layers": [
         Thud(0, 105, 0.35),
         {"kind": "noise", "filter": "low", "cutoff": (1800, 300), "dur": 0.35, "decay": 0.08},
         {"kind": "crackle", "rate": 900, "dur": 0.35, "cutoff": 2500, "decay": 0.1, "gain": 3.0}]}},
    {"event": "SFX/Earth/BackLaunch", "files": ["earth_back_launch"], "pitch": [1.0], "volume": 0.65,
     "recipe": {"layers": [
         {"kind": "tone", "wave": "saw", "freq": (90, 145), "dur": 0.5, "lowpass": 800, "vibrato": (22, 0.05),
          "env": [(0, 0), (0.2, 1), (1, 0)], "gain": 0.5},
         {"kind": "crackle", "rate": 300, "dur": 0.5, "filter": "band", "cutoff": 1200, "decay": 0.25,
          "gain": 2.5},
         Thud(0.05, 110, 0.2, 0.7)]}},
    {"event": "SFX/Earth/BackHit", "files": ["earth_back_hit"], "pitch": [1.0], "volume": 0.65,
     "recipe": {"layers": [
         {"kind": "crackle", "rate": 1200, "dur": 0.4, "filter": "band", "cutoff": 1500, "decay": 0.12,
          "gain": 3.0},
         Thud(0, 130, 0.25, 0.8),
         {"kind": "tone", "wave": "saw", "freq": (130, 95), "dur": 0.45, "lowpass": 700, "vibrato": (28, 0.06),
          "env": [(0, 0), (0.1, 1), (1, 0)], "gain": 0.35}]}},
    {"event": "SFX/Earth/UltimateLaunch", "files": ["earth_ultimate_launch"], "pitch": [1.0], "volume": 0.85,
     "recipe": {"drive": 2.0, "fade": 0.2, "layers": [
         {"kind": "noise", "filter": "low", "cutoff": 140, "dur": 2.3,
          "env": [(0, 0), (0.4, 1), (0.8, 1), (1, 0)], "gain": 3.0},
         {"kind": "tone", "freq": 42, "dur": 2.3, "vibrato": (7, 0.2), "env": [(0, 0), (0.4, 1), (1, 0)],
          "gain": 0.6},
         {"kind": "crackle", "rate": 220, "dur": 2.3, "filter": "band", "cutoff": 700, "grain": 0.01,
          "env": [(0, 0), (0.5, 1), (1, 0)], "gain": 3.0}]}},
    {"event": "SFX/Earth/UltimateHit", "files": ["earth_ultimate_hit"], "pitch": [1.0], "volume": 0.85,
     "recipe": {"drive": 2.0, "fade": 0.2, "layers": [
         Thud(0, 90, 0.6), Thud(0.28, 80, 0.5, 0.8), Thud(0.52, 70, 0.5, 0.6), Thud(0.72, 65, 0.5, 0.4),
         {"kind": "noise", "filter": "low", "cutoff": (900, 120), "dur": 1.8, "decay": 0.5, "gain": 1.5},
         {"kind": "crackle", "rate": 600, "dur": 1.2, "cutoff": 2000, "decay": 0.3, "gain": 3.0}]}},
]
