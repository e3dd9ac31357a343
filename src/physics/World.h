#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "physics/GameObject.h"

namespace qv {

class Surface;

constexpr int kWorldCapacity = 100;
// Fixed places of the force fields in every world.
constexpr int kGravityFieldIndex = 0;
constexpr int kDragFieldIndex = 1;
constexpr int kSupportFieldIndex = 2;
constexpr int kFieldCount = 3;
constexpr int kSubSteps = 3;

// The objects of one puzzle and the scratch tables of the contact solver,
// all sized for kWorldCapacity at construction so a step never allocates.
class World {
 public:
  World();
  World(const World&) = delete;
  World& operator=(const World&) = delete;
  ~World();

  int Count() const { return count_; }
  // Object i; null outside 0..Count()-1.
  GameObject* At(int i) const;
  // Appends and takes ownership. Refuses (false, the object is destroyed)
  // a null object or one more than kWorldCapacity.
  bool Add(std::unique_ptr<GameObject> obj);
  bool IsFull() const { return count_ >= kWorldCapacity; }
  // Deletes object i and closes the gap; other indices do nothing.
  void RemoveAt(int i);
  void Remove(GameObject* obj);
  int IndexOf(const GameObject* obj) const;
  void Clear();
  // Clear, then the gravity, drag and support fields at indices 0..2, each
  // told OnPlaced.
  void SetUpNew();

  bool BoxesOverlap(const GameObject& a, const GameObject& b) const;
  Box OverlapBox(const GameObject& a, const GameObject& b) const;
  // A point of the region where both shapes overlap; false for overlaps
  // thinner than one unit.
  bool FindContactPoint(const GameObject& a, const GameObject& b, Vec2* point) const;
  // The first static object (removed ones included) containing the point.
  GameObject* StaticObjectAt(Fixed px, Fixed py) const;
  // OnEvent on every object but the sender (removed ones included).
  void BroadcastEvent(int event, GameObject* sender, void* data);
  void BroadcastEventExcept(int event, GameObject* sender, GameObject* other, void* data);

  void DetectContacts();
  void ResolveContacts();
  void ResolvePair(GameObject& a, GameObject& b, Vec2 point);
  bool InContact(int i, int j) const;

  // One tick: background, three sub-steps, then every object draws itself.
  // levelNumber picks the play screen's background when running.
  void StepWorld(Surface& surface, bool running, int levelNumber = 0);
  // The three sub-steps of a tick without any drawing.
  void StepPhysics();
  void SubStep(Fixed dt);
  void DrawObjects(Surface& surface);

 private:
  std::uint8_t& Contact(int i, int j) { return contacts_[i * kWorldCapacity + j]; }
  void Deliver(int i, int event, GameObject* sender, void* data);

  int count_ = 0;
  std::unique_ptr<GameObject> objects_[kWorldCapacity];
  std::vector<std::uint8_t> contacts_;
  std::vector<Vec2> savedVelocities_;
  std::vector<Vec2> velocitySums_;
  std::vector<int> contactCounts_;
  // Lever kicks received during the collision pass, added after averaging.
  std::vector<Vec2> kicks_;
  bool resolving_ = false;
  int resolvingCount_ = 0;
};

// The background of a tick: (128, 128, 255) unless running, then chosen by
// the two lowest bits of the level number.
void BackgroundColour(bool running, int levelNumber, std::uint8_t* r, std::uint8_t* g,
                      std::uint8_t* b);

}  // namespace qv
