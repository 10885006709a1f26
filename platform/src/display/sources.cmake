# Sources of the display part of the platform layer.
