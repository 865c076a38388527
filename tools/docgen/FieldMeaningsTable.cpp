// What each component field means, for docs/components.md: the one place these lines are written.
// A field a component describes without a line here stops the generator, and so does a line no
// field asks for; keep the entries of a part in its file order.
#include "docgen/FieldMeanings.h"

FieldMeanings FieldMeanings::Shipped()
{
    std::vector<FieldMeaning> meanings({
        {"Transform", "",
         "Where the object is: position, size and orientation. Almost every object has one."},
        {"Transform", "position", "world position (x, y, z, 1)"},
        {"Transform", "scale", "size along x, y and z (w 0); negative values become 0"},
        {"Transform", "rotation", "orientation as a quaternion (x, y, z, w); (0, 0, 0, 1) is none"},
        {"Transform", "tweakRot",
         "Euler angles in degrees for the debug panel; not applied on load, rotation is what counts"},

        {"Property", "", "The object's tag, by which scripts and the engine find it."},
        {"Property", "Tag",
         "tag name: \"Player\" ... \"RS_Platform3\" (list in modding.md); an unknown name tags nothing"},

        {"RigidBody", "", "Moves the object under forces, gravity and collisions."},
        {"RigidBody", "position",
         "copied from the Transform before every step, so the file's value does not matter"},
        {"RigidBody", "velocity", "set to 0 on load: bodies start at rest"},
        {"RigidBody", "accumulateForce", "force gathered for the next step; set to 0 on load"},
        {"RigidBody", "orientation", "stored only; the body does not rotate"},
        {"RigidBody", "angularVelocity", "stored only"},
        {"RigidBody", "accumalatedTorque", "stored only; set to 0 on load (the name is spelt so in files)"},
        {"RigidBody", "mass",
         "mass; a value that is not positive becomes 0.01 with a line on standard output"},
        {"RigidBody", "inverseInetriaTensor", "stored only (the name is spelt so in files)"},
        {"RigidBody", "gravityOn", "whether gravity (9.8 downwards) pulls the body"},
        {"RigidBody", "isStatic", "a static body never moves; others bounce off it"},
        {"RigidBody", "restitution", "bounciness from 0 (none) to 1"},
        {"RigidBody", "velCapXZ", "largest horizontal speed"},
        {"RigidBody", "velCapY", "largest upward speed"},

        {"Collider", "", "A collision volume: what the object touches, and whom it bounces off."},
        {"Collider", "bv_type",
         "volume: \"BVT_AABB\" (box along the axes), \"BVT_SPHERE\" or \"BVT_OBB\" (turned box)"},
        {"Collider", "center", "offset of the volume's centre from the Transform position"},
        {"Collider", "halfWidth",
         "half sizes; recomputed from the Transform scale every frame (box: scale / 2, sphere radius: "
         "scale.x)"},
        {"Collider", "isDynamics", "a pair of colliders is tested only when one of them has this set"},
        {"Collider", "bit_type",
         "its category: \"None\", \"P1\"-\"P4\", a power-up kind, \"CheckPoint\", \"RaceNode\", \"All\""},
        {"Collider", "bit_field",
         "categories it bounces off, one bit each (category n is bit n-1; -1 all); \"None\" makes it 0, "
         "\"All\" -1"},

        {"Spin", "",
         "Rolls the ball's look with its speed (it sets the Transform's rotation); needs a RigidBody."},

        {"MeshRenderer", "", "Draws a mesh with an effect and three textures; see graphics.md."},
        {"MeshRenderer", "visible", "whether it is drawn; scripts switch it"},
        {"MeshRenderer", "meshName", "mesh file in res/models/, with \".tbm\"; unknown: nothing is drawn"},
        {"MeshRenderer", "shaderName", "effect in res/shaders/, without \".fx\"; unknown: nothing is drawn"},
        {"MeshRenderer", "textureName",
         "colour texture in res/textures/, without extension; unknown: default.png"},
        {"MeshRenderer", "normalTextureName", "normal map, as textureName"},
        {"MeshRenderer", "specTextureName", "specular map, as textureName"},
        {"MeshRenderer", "tileX", "how often the textures repeat across u"},
        {"MeshRenderer", "tileY",
         "how often they repeat across v: the element right after tileX, whatever its name"},

        {"TextComponent", "",
         "A label floating over its object, drawn with the game's font in its player's view."},
        {"TextComponent", "Text", "the text shown (the first child, read by position); UTF-8"},
        {"TextComponent", "Width",
         "the font size, scaled with the window's width (1184 pixels draw it as given)"},
        {"TextComponent", "Height", "kept and written, not used when drawing"},
        {"TextComponent", "xOffset", "added to the object's x before the label is placed on screen"},
        {"TextComponent", "yOffset", "added to the object's y before the label is placed on screen"},
        {"TextComponent", "Color", "red, green, blue and alpha from 0 to 1"},
        {"TextComponent", "visible", "whether the label is drawn; scripts switch it with SetObjTextVisible"},
        {"Camera", "", "A player's view: follows the object it belongs to (a racer) from behind."},
        {"Camera", "offset",
         "x: sideways swing with the steering stick, y: height above the ball (more at speed), z: distance "
         "behind"},
        {"Camera", "offset",
         "view direction (the second \"offset\"), kept a unit vector; a zero vector is refused"},
        {"Camera", "offset",
         "up direction (the third \"offset\"), kept a unit vector; a zero vector is refused"},
        {"Camera", "m_updateCamPos", "false: the camera only sits at its object's position"},
        {"Camera", "followStiffness", "stiffness of the spring that pulls the camera behind the ball"},
        {"Camera", "followDamping",
         "damping of that spring; a pair that would not settle is refused with a line, keeping the old one"},

        {"Light", "",
         "Light colours and a direction kept as data; views are lit by a fixed sun, so they change nothing "
         "on screen."},
        {"Light", "ambient", "ambient colour (r, g, b, a)"},
        {"Light", "diffuse", "diffuse colour (r, g, b, a)"},
        {"Light", "direction", "direction of the light"},
        {"Light", "color", "colour of the light (r, g, b, a)"},
        {"Light", "shiness", "specular exponent; note the element \"Float\" with a capital F"},
        {"Light", "range", "reach of the light; element \"Float\" as well"},
        {"Light", "offset", "position relative to the object"},

        {"Ground", "", "Marks track pieces the balls hover over, and which pieces adjoin this one."},
        {"Ground", "neighbor",
         "objID of an adjoining ground piece, tested first by the hover probe; repeats count once", "12"},

        {"Spawner", "", "Creates objects from archetypes at its position, on a timer or when a script asks."},
        {"Spawner", "SpawnRate", "seconds between spawns; 0 spawns only when a script asks"},
        {"Spawner", "SpawnRandom", "each spawn picks one archetype of the list at random"},
        {"Spawner", "SpawnWalking",
         "each spawn takes the next archetype of the list, wrapping; neither: all at once"},
        {"Spawner", "spawnedObjLifeTime",
         "seconds the spawned objects live (they need a LifeComponent); -1 keeps theirs"},
        {"Spawner", "waitToSpawn", "spawn again only once the last spawned object is gone"},
        {"Spawner", "spawnDir", "direction of the spawned objects' first velocity"},
        {"Spawner", "spawnVel", "speed of the spawned objects' first velocity"},
        {"Spawner", "archetype",
         "archetype to spawn; a name counts once; a scene's list adds to the archetype's", "PowerUpBox"},

        {"LifeComponent", "", "Destroys its object when its time is up and tells the spawner that made it."},
        {"LifeComponent", "lifeTime", "seconds to live; -1 lives for ever"},

        {"CheckPoint", "",
         "A numbered gate; racers pass gates 1, 2, 3 ... in order to count a lap. Needs a Collider."},
        {"CheckPoint", "cpNum", "gate number in lap order; gates sharing a number are alternatives"},
        {"CheckPoint", "facing",
         "direction in which the gate must be crossed; a racer put back here faces it"},

        {"Hud", "", "A racer's lap, place and \"Final Lap\" texts in its quarter of the screen."},
        {"Hud", "offset", "editor offset; the texts keep their fixed places"},

        {"Label", "", "A small test quad showing the texture \"Test_HUD\"."},
        {"Label", "name", "the label's name"},
        {"Label", "offset",
         "x and y of the quad from the middle of the window, in window widths and heights"},

        {"Controller", "",
         "Makes the object a racer driven by a player or the computer; holds its movement."},
        {"Controller", "ID", "player index 0 to 3: actions, gates, HUD and view of that player"},
        {"Controller", "ControllerType",
         "0 human, 1 computer; replaced at start by the player's choice on the select screens"},
        {"Controller", "Mover", "the hover and movement settings below; a clone starts with the defaults"},

        {"Mover", "", "The hover spring that keeps a ball above the ground, and where it faces."},
        {"Mover", "springOffset",
         "y: hover height above the ground; its length decides whether a jump starts from the ground"},
        {"Mover", "springStiffness", "stiffness of the hover spring"},
        {"Mover", "springDamping", "damping of the hover spring"},
        {"Mover", "springMass", "mass the hover spring moves"},
        {"Mover", "springMassForce", "largest upward hover force; written but not read back, so it stays 19"},
        {"Mover", "facing", "direction the ball faces (y 0)"},

        {"RaceNode", "", "A point of the race line that computer racers steer along. Needs a Collider."},
        {"RaceNode", "ID", "order along the race line from 0; a clone gets ID + 1"},
        {"RaceNode", "facing", "direction of travel at the node"},
        {"RaceNode", "Should_Jump",
         "1: a computer racer touching the node jumps; the element right after facing"},
        {"RaceNode", "CPNode",
         "1: tested every frame, so racers that skipped nodes pick the line up here; the element after that"},

        {"DecoratorComp", "",
         "Behaviours added to an object's Transform and LifeComponent: random or growing size, random life."},
        {"DecoratorComp", "decorators",
         "one child per decorator; its \"value\" attribute picks the kind (0 DT_Scale, 1 DT_Life), not its "
         "name"},

        {"ParticleComponent", "",
         "Particle effects of the object, each read from res/particleeffects/<name>.xml and drawn as "
         "sprites."},
        {"ParticleComponent", "effect",
         "one child per effect: its \"value\" is the effect file's name (an effect listed twice is loaded "
         "once); its own child \"activeState\" (bool) says whether it starts spawning"},

        {"DT_Scale", "", "Sizes the object: once at random, or growing over its life."},
        {"DT_Scale", "randSacle",
         "at start, scale x, y and z become one random value between scaleMin and scaleMax"},
        {"DT_Scale", "scaleOverLife",
         "the scale goes from scaleMin to scaleMax over the object's LifeComponent life"},
        {"DT_Scale", "scaleMin", "smallest or first scale"},
        {"DT_Scale", "scaleMax", "largest or last scale"},

        {"DT_Life", "", "Gives the object's LifeComponent a random life at start."},
        {"DT_Life", "lifeMin", "shortest life in seconds; both bounds must be positive to take effect"},
        {"DT_Life", "lifeMax", "longest life in seconds"},

        {"Script", "", "Runs Lua scripts attached to the object every frame (see scripting.md)."},
        {"Script", "script", "file in res/scripts/, with \".lua\"; a scene's list replaces the archetype's",
         "racelevel.lua"},
    });
    const std::vector<FieldMeaning> behaviours = ParticleBehaviours();
    meanings.insert(meanings.end(), behaviours.begin(), behaviours.end());
    return FieldMeanings(std::move(meanings));
}
