package {
// The game's graphics loader, as far as the generated classes need it.
public class gfxLoad {
  public function addPic(name:String, c:Class):void {}
  public function addSprite(c:Class):void {}
  public function addAnim(c:Class):void {}
  public function addCreature(c:Class):void {}
}
}
