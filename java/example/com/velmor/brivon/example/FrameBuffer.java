package com.velmor.brivon.example;

import java.awt.Graphics;
import java.awt.Rectangle;
import java.awt.image.BufferedImage;
import java.awt.image.DataBufferInt;
import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.nio.IntBuffer;

/**
 * The browser's view and its popup widget as images Swing can draw. Written on the pumping
 * thread by {@link #paint}, drawn on Swing's thread; the lock keeps a half-copied frame off
 * the screen.
 */
final class FrameBuffer {
    private BufferedImage view = new BufferedImage(1, 1, BufferedImage.TYPE_INT_ARGB);
    private BufferedImage popup;
    private Rectangle popupBounds;
    private boolean popupShown;

    /**
     * Copies the dirty parts of a paint. The pixel buffer is the engine's own memory and is valid
     * only during the onPaint call this runs in, so nothing may keep it: every pixel that is
     * needed later is copied here. Bytes are B, G, R, A, which read as little-endian ints are
     * exactly the ARGB ints of the image.
     */
    synchronized void paint(boolean isPopup, int width, int height, ByteBuffer pixels, int[] dirtyRects) {
        if (width <= 0 || height <= 0 || pixels.capacity() < (long) width * height * 4) {
            return;
        }
        BufferedImage target = isPopup ? popup : view;
        if (target == null || target.getWidth() != width || target.getHeight() != height) {
            target = resized(target, width, height);
            if (isPopup) {
                popup = target;
            } else {
                view = target;
            }
        }
        if (isPopup) {
            // A popup paint's rectangles all give the popup's place in the view, not dirty areas.
            if (dirtyRects.length >= 4) {
                popupBounds = new Rectangle(dirtyRects[0], dirtyRects[1], dirtyRects[2], dirtyRects[3]);
            }
            dirtyRects = new int[] {0, 0, width, height};
        }
        int[] image = ((DataBufferInt) target.getRaster().getDataBuffer()).getData();
        IntBuffer source = pixels.duplicate().order(ByteOrder.LITTLE_ENDIAN).asIntBuffer();
        Rectangle frame = new Rectangle(0, 0, width, height);
        for (int i = 0; i + 3 < dirtyRects.length; i += 4) {
            Rectangle dirty = frame.intersection(
                    new Rectangle(dirtyRects[i], dirtyRects[i + 1], dirtyRects[i + 2], dirtyRects[i + 3]));
            for (int y = dirty.y; y < dirty.y + dirty.height; y++) {
                source.position(y * width + dirty.x);
                source.get(image, y * width + dirty.x, dirty.width);
            }
        }
    }

    synchronized void showPopup(boolean show) {
        popupShown = show;
    }

    synchronized void drawTo(Graphics g) {
        g.drawImage(view, 0, 0, null);
        if (popupShown && popup != null && popupBounds != null) {
            g.drawImage(popup, popupBounds.x, popupBounds.y, null);
        }
    }

    /** A copy of the view as it is now. */
    synchronized BufferedImage snapshot() {
        BufferedImage copy = new BufferedImage(view.getWidth(), view.getHeight(), BufferedImage.TYPE_INT_RGB);
        Graphics g = copy.getGraphics();
        drawTo(g);
        g.dispose();
        return copy;
    }

    /** A new image of the size that keeps what the old one showed, until the next paint covers it. */
    private static BufferedImage resized(BufferedImage old, int width, int height) {
        BufferedImage image = new BufferedImage(width, height, BufferedImage.TYPE_INT_ARGB);
        if (old != null) {
            Graphics g = image.getGraphics();
            g.drawImage(old, 0, 0, null);
            g.dispose();
        }
        return image;
    }
}
