import java.awt.image.BufferedImage;
import java.io.File;
import java.util.HashSet;
import java.util.Set;
import javax.imageio.ImageIO;

/** Prints an image's width, height and number of distinct colours: java ImageColours.java FILE. */
public final class ImageColours {
    private ImageColours() {
    }

    public static void main(String[] args) throws Exception {
        System.setProperty("java.awt.headless", "true");
        BufferedImage image = ImageIO.read(new File(args[0]));
        if (image == null) {
            System.out.println("not an image: " + args[0]);
            System.exit(1);
        }
        Set<Integer> colours = new HashSet<>();
        for (int y = 0; y < image.getHeight(); y++) {
            for (int x = 0; x < image.getWidth(); x++) {
                colours.add(image.getRGB(x, y) & 0xffffff);
            }
        }
        System.out.println(image.getWidth() + " " + image.getHeight() + " " + colours.size());
    }
}
