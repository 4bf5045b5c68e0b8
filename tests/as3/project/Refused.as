package {
import world.xForest;

public class Refused {
  public function Refused() {
    xForest.initData(new gfxLoad());
  }
}
}
