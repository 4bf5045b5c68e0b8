package {
import world.xForest;
import world.xEmpty;
import level.xMixed;

// Uses every class that embedgen wrote for the test tree.
public class Main {
  public function Main() {
    var gfx:gfxLoad = new gfxLoad();
    xForest.initData(gfx);
    xEmpty.initData(gfx);
    xMixed.initData(gfx);
    xItems.initData(gfx);
  }
}
}
