#pragma once
#include "physics/GameObject.h"
#include "physics/RopeEnd.h"

namespace qv {

constexpr int kRopeMaxEnds = RopeEndList::kMaxEnds;
// A cut needs room for two knots and the new rope.
constexpr int kRopeCutObjects = 3;

// A chain of up to 20 fastenings: tie points at both ends, pulleys between.
// Each sub-step it pulls its end objects in along taut segments, lets rope
// slide over pulleys toward the heavier end and passes a pull on to a static
// end as kEventRopePull. Cutters (kEventCut) split it into two ropes with a
// new free knot at each cut end.
//
// A rope with an end whose object is missing (a reference that matched
// nothing on loading) or has left the simulation (a popped balloon) is slack
// as a whole: it pulls nothing, slides nothing and sends no pull.
class Rope : public GameObject {
 public:
  Rope();
  ~Rope() override;

  const char* GetName() const override { return "Rope"; }
  int GetKind() const override { return kKindRope; }

  // False when the rope already has 20 ends or object refuses the hook.
  bool AddEnd(GameObject* object, int hook);
  void RemoveEnd(int i);
  int EndCount() const { return ends_.Count(); }
  // End i, or null outside 0..EndCount()-1.
  RopeEnd* End(int i) const { return ends_.At(i); }
  RopeEndList& Ends() { return ends_; }
  const RopeEndList& Ends() const { return ends_; }
  // Whether the last end sits on a tie point (the editor's "rope finished").
  bool LastEndIsTie() const;
  // The rule for missing and removed end objects (see the class comment).
  bool IsSlack() const;

  // Recomputes every segment's rest length from the hook points.
  void OnPlaced(int index) override;
  void ApplyForces(Fixed dt) override;
  void Integrate(Fixed /*dt*/) override {}
  // Cutting by kEventCut; data is the cutting Box. Candles (and cutters
  // without an object) burn through on the 155th event that crosses the rope.
  void OnEvent(int event, GameObject* other, void* data) override;
  // Editor picking: a segment crosses the middle lines of the 20 x 20 box
  // around the point.
  bool Contains(int x, int y) const override;
  void Draw(Surface& surface) override;
  void DrawOutline(Surface& surface) const override;
  bool Save(Stream& stream) override;
  // False (the rope left without ends) for a short record or more than 20 ends.
  bool Load(Stream& stream) override;

  // Where the area would cut: the first segment crossing its middle lines
  // that is not right at a knot. False when none does.
  bool FindCut(const Box& area, int* segment, Vec2* point) const;
  // Splits at segment i, point k: a new rope with a new knot at k takes the
  // ends after i, this rope ends in a second new knot at k. Nothing happens
  // (false) without a world with room for the three new objects.
  bool CutAt(int segment, Vec2 k);

  // How long candles have been burning the rope (the burn-through counter).
  Fixed burn;
  // The editor's highlight while the rope is being built.
  bool selected = false;

 private:
  void Step();
  void Slide(Vec2 p0, Vec2 p1, Vec2 pLast, Vec2 pBeforeLast);
  void Pull(int endIndex, Vec2 from, Vec2 to);

  RopeEndList ends_;
};

// The first object of a cut end: falls with the rope, ties at its centre.
class RopeKnot : public GameObject {
 public:
  RopeKnot();
  int GetKind() const override { return kKindRopeKnot; }
  bool IsCollidable() const override { return false; }
  bool IsRopeKnot() const override { return true; }
  int GetHookCount() const override { return 1; }
  bool AttachRope(int hook, RopeEnd* end) override;
  bool GetHookPoint(int hook, Vec2* point) const override;
};

// Resolves the file references of every rope and belt end after a load:
// each end takes the first object whose fileId equals its stored id, and an
// id that matches nothing leaves the end without object. Run before the
// objects' fileIds are reset.
void RelinkRopeEnds(World& world);

}  // namespace qv
